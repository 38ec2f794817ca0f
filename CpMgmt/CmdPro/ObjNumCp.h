// The object counts (-LDGetNum, -PDGetNum): the number of virtual drives or of physical drives
// of the adapter, which is also the status.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/ObjNumberParsedObject.h"
#include "runtime/ArrayList.h"

class ObjNumberCp : public TypedProcessor<ObjNumberParsedObject, "ObjNumberParsedObject *"> {
public:
    // The count, or -1.
    int ProcessParsed(CpController* cpController, ObjNumberParsedObject* object) override;
};
