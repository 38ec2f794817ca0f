// The drive list (-PDList): every drive of the adapter, by enclosure and slot, each with its
// full information.
#pragma once
#include <vector>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdListParsedObject.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;

class PdListCp : public TypedProcessor<PdListParsedObject, "PdListParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdListParsedObject* object) override;

    // The drives in print order: enclosure device id, then slot, both ascending (drives without
    // an enclosure, id 0xFFFF, after every enclosure); drives whose enclosure or slot cannot be
    // read come last, in list order. Null entries are left out. The list is not changed.
    static std::vector<PhysicalDevice*> SortByEnclSlot(const List<PhysicalDevice*>& drives);
};
