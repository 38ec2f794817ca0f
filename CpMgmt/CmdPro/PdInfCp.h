// The drive information command (-PDInfo): the full information of each named drive, in the
// order named. Also the base of processors of commands that share its parsed object.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdInfoParsedObject.h"
#include "runtime/ArrayList.h"

class PdInfoCp : public TypedProcessor<PdInfoParsedObject, "PdInfoParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdInfoParsedObject* object) override;
};
