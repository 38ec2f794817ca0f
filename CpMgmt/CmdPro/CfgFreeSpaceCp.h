// -CfgFreeSpaceinfo: for every disk group and span of the adapter, the free extents between
// and after the virtual drives and the capacity a new virtual drive could get from each.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/FreeSpaceInfoParsedObject.h"
#include "runtime/ArrayList.h"

class ArraySpaceInfo;

class FreeSpaceInfoCp : public TypedProcessor<FreeSpaceInfoParsedObject, "FreeSpaceInfoParsedObject *"> {
public:
    // 0, or the failing status (-1 for a missing array list or array).
    int ProcessParsed(CpController* cpController, FreeSpaceInfoParsedObject* object) override;

    // Deletes every extent and the list; nothing for a null list.
    static void DeleteFreeSpaceList(ArrayList<ArraySpaceInfo*>* list);
};
