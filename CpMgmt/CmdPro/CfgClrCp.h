// -CfgClr: deletes the whole configuration of the adapter (every virtual drive and disk group).
// Without -Force the controller refuses when data would be lost.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class AdpCfgClrCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    // 0; -2 cleared but the operating system was not told; -1; or the controller's status.
    int Process(CpController* cpController, ParsedObject* parsedObject) override;
};
