// -AdpGetConnectorMode / -AdpSetConnectorMode: reports the mode of the controller's connectors,
// or sets them to internal, external or automatic (from the next boot on).
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/MuxModeParsedObject.h"

class MuxModeCp : public TypedProcessor<MuxModeParsedObject, "MuxModeParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, MuxModeParsedObject* object) override;
};
