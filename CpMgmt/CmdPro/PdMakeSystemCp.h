// The make system drive command (-PDMakeJBOD): each named drive, in the order named, becomes a
// system (JBOD) drive; the first drive that is not found or not changed ends the command.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PdMakeSystemCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    int Process(CpController* cpController, ParsedObject* parsedObject) override;
};
