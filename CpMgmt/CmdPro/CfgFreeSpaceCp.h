// -CfgFreeSpaceinfo: for every disk group and span of the adapter, the free extents between
// and after the virtual drives and the capacity a new virtual drive could get from each.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class ArraySpaceInfo;

class FreeSpaceInfoCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    // 0, or the failing status (-1 for a missing array list or array).
    int Process(CpController* cpController, ParsedObject* parsedObject) override;

    // Deletes every extent and the list; nothing for a null list.
    static void DeleteFreeSpaceList(ArrayList<ArraySpaceInfo*>* list);
};
