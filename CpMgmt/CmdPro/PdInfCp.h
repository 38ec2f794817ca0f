// The drive information command (-PDInfo): the full information of each named drive, in the
// order named. Also the base of processors of commands that share its parsed object.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PdInfoCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    int Process(CpController* cpController, ParsedObject* parsedObject) override;
};
