// The make system drive command (-PDMakeJBOD): each named drive, in the order named, becomes a
// system (JBOD) drive; the first drive that is not found or not changed ends the command.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdOffLineParsedObject.h"
#include "runtime/ArrayList.h"

class PdMakeSystemCp : public TypedProcessor<PdOffLineParsedObject, "PdOffLineParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdOffLineParsedObject* object) override;
};
