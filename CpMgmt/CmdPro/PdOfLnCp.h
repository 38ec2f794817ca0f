// The drive offline command (-PDOffline): each named drive, in the order named, is set offline;
// the first drive that is not found or not changed ends the command.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdOffLineParsedObject.h"
#include "runtime/ArrayList.h"

class PdOfLnCp : public TypedProcessor<PdOffLineParsedObject, "PdOffLineParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdOffLineParsedObject* object) override;
};
