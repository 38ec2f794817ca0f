// The direct drive mapping command (-DirectPdMapping): shows the controller's direct drive
// mapping setting, or switches it on or off in the controller defaults block (the change
// takes effect after a reboot).
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PdMappingCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    // 0, or -1 when the defaults block cannot be read or written.
    int Process(CpController* cpController, ParsedObject* parsedObject) override;
};
