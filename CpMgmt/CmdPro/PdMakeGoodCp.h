// The make good command (-PDMakeGood): each named drive, in the order named, is made
// unconfigured good. A system (JBOD) drive may carry a file system in use and is converted only
// with -Force; the controller refuses the conversion (status 95) once its limit is reached. The
// first drive that is not found or not changed ends the command.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdOffLineParsedObject.h"
#include "runtime/ArrayList.h"

class PdMakeGoodCp : public TypedProcessor<PdOffLineParsedObject, "PdOffLineParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdOffLineParsedObject* object) override;
};
