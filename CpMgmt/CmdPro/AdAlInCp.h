// The adapter report (-AdpAllInfo): reads the controller's information, defaults, time,
// manufacturing data, battery FRU, key=value settings and OEM flags, then prints the report
// from them, section by section.
#pragma once
#include <cstddef>

#include "CpMgmt/CmdPro/AdAlInPostDelay.h"
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/BatteryFru.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/CtrlTime.h"
#include "fwdata/layout/KeyValues.h"
#include "fwdata/layout/MfgData.h"
#include "parsers/AdpAllInfoParsedObject.h"
#include "runtime/ArrayList.h"

class Controller;

class AdpAllInfoCp : public TypedProcessor<AdpAllInfoParsedObject, "AdpAllInfoParsedObject *"> {
public:
    AdpAllInfoCp();

    // The start of the run is logged before the object's class is checked.
    int Process(CpController* cpController, ParsedObject* parsedObject) override;
    int ProcessParsed(CpController* cpController, AdpAllInfoParsedObject* object) override;

    // Prints the report from the blocks that Process read.
    void PrintAdapterInfo(u8 adapterNumber, int defaultsExtent);

private:
    // Runs one DCMD with an all-zero mailbox into the buffer; -1 without a controller.
    int Fetch(u32 opcode, u8* buffer, std::size_t length, bool privateOpcode = false);
    // A read whose failure the report takes as an answer (the block is shown empty): it names
    // no failure of the run.
    int FetchOptional(u32 opcode, u8* buffer, std::size_t length, bool privateOpcode = false);
    // Prints the line that names what could not be read, where its values would stand.
    void PrintReadFailureLine(const char* what) const;

    static void PrintSectionHeader(u32 titleId);
    static void PrintSectionHeader(const char* title);

    // Sections of the report, in their order (each ends with its own line ends).
    void PrintVersions() const;
    void PrintMfgData() const;
    void PrintImageVersions() const;
    void PrintPendingImages() const;
    void PrintPciInfo() const;
    void PrintHwConfiguration() const;
    void PrintSettings() const;
    void PrintCapabilities() const;
    void PrintStatus() const;
    void PrintLimitations() const;
    void PrintDevicesPresent() const;
    void PrintAdapterOperations() const;
    void PrintVdOperations() const;
    void PrintPdOperations() const;
    void PrintErrorCounters() const;
    void PrintClusterInfo() const;
    // The extended settings only when the defaults reach past the basic 64 bytes.
    void PrintDefaultSettings(int defaultsExtent) const;

    Controller* controller_ = nullptr;

    u8 info_[ctrlinfo::kSize];
    u8 defaults_[ctrldefaults::kSize];
    u8 time_[ctrltime::kSize];
    u8 mfgData_[mfgdata::kSize];
    u8 batteryFru_[batteryfru::kSize];
    u8 keyValues_[keyvalues::kSize];
    u8 clusterDisable_ = 1;  // from the OEM flags
    u8 sasDisable_ = 0;
    int batteryFruStatus_ = -1;  // 0 when the battery FRU block was read
    int postDelay_ = kDefaultPostDelay;
    // The reads the report goes on without: the lines of what they hold say that they failed
    // (the run then ends with the first failure's status).
    bool mfgDataRead_ = false;
    bool keyValuesRead_ = false;
    bool oemDataRead_ = false;
    bool timeRead_ = false;
    u8 adapter_ = 0;  // the controller's number, for those lines
};
