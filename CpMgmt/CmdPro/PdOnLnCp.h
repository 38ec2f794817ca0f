// The drive online, mark missing, get missing and locate commands (command id 39). Online,
// mark missing and locate walk the named drives in the order named and stop at the first one
// that is not found or refused; get missing lists the empty rows of the adapter's arrays.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdOnLineParsedObject.h"
#include "runtime/ArrayList.h"

class PdOnLnCp : public TypedProcessor<PdOnLineParsedObject, "PdOnLineParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdOnLineParsedObject* object) override;

    // Lists the missing rows of the adapter's arrays; 0, or -1 when the configuration cannot be
    // read (nothing printed then).
    int GetMissing(CpController* cpController);
};
