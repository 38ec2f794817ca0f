// The prepare for removal command (-PdPrpRmv): each named drive, in the order named, is
// prepared for removal from its slot, or with -UnDo the preparation is taken back. The first
// drive that is not found or refused ends the command; the drives before it stay prepared.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdPrpRmvParsedObject.h"
#include "runtime/ArrayList.h"

class PdPrpForRmvCp : public TypedProcessor<PdPrpRmvParsedObject, "PdPrpRmvParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdPrpRmvParsedObject* object) override;
};
