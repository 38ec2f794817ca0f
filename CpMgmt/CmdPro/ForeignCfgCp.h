// -CfgForeign: counts, shows (as found or as an import would leave them), imports and clears the
// foreign configurations of an adapter, after handing over the key of foreign secured drives.
#pragma once
#include <string>

#include "CpMgmt/TypedProcessor.h"
#include "parsers/ForeignCfgParsedObject.h"

class Adapter;
class Array;
class RaidManager;
class RmCfg;
class VirtualDisk;

class ForeignCfgCp : public TypedProcessor<ForeignCfgParsedObject, "ForeignCfgParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, ForeignCfgParsedObject* object) override;

    // Prints the snapshot as the configuration display does; with `check` also what would stop
    // or endanger its import. 0, -1, or the status of a failing model read.
    static int PrintForeignCfg(RmCfg* cfg, CpController* cpController, u8 check);
    // The import checks on a preview, without the configuration: 0 lets the import go on.
    static int CheckImport(RmCfg* cfg, CpController* cpController);

private:
    // What the walk over the configurations needs besides the object.
    struct Walk {
        CpController* cpController;
        u8 adapterNumber;
        u8 count;
        u8 index;                 // the configuration named, or all
        bool importAll;           // the controller imports every configuration at once
        bool encryption;
        bool hasKey;
        bool keyFailedAtBoot;
    };
    // The steps of ProcessParsed.
    // The adapter of the model: 0, or the failing status (-1 for none) after its message.
    static int ReadAdapter(RaidManager* manager, u8 adapterNumber, Adapter** adapter);
    // A key option that fits the controller's key mode and key block; false after the message.
    static bool CheckKeyOption(Adapter* adapter, const ForeignCfgParsedObject* object, const std::string& key);
    // The controller's encryption, key and import-all flags into the walk: 0, or the failing
    // status of the import-all query after its message.
    static int ReadControllerFlags(Adapter* adapter, Walk* walk);
    // Hands the key (when one was given) to the controller and refreshes the model: 0, or -1
    // or the failing status after the message.
    static int HandOverKey(RaidManager* manager, Adapter* adapter, const Walk& walk, const std::string& key);
    // Reads the count of foreign configurations and runs the operation on them.
    static int CountAndRun(RaidManager* manager, Walk walk, u16 operation);

    static int Display(const Walk& walk);
    static int Preview(const Walk& walk);
    static int Import(const Walk& walk);
    static int Clear(const Walk& walk);
    static void ReportImport(const Walk& walk, int status, bool all, u8 index);
};
