// The object counts (-LDGetNum, -PDGetNum): the number of virtual drives or of physical drives
// of the adapter, which is also the status.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class ObjNumberCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    // The count, or -1.
    int Process(CpController* cpController, ParsedObject* parsedObject) override;
};
