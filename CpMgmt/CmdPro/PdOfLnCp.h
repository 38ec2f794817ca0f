// The drive offline command (-PDOffline): each named drive, in the order named, is set offline;
// the first drive that is not found or not changed ends the command.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PdOfLnCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    int Process(CpController* cpController, ParsedObject* parsedObject) override;
};
