// The controller shutdown (-AdpShutDown): sends the controller's shutdown command.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpOneShotParsedObjects.h"

class AdpShutDownCp : public TypedProcessor<AdpShutDownParsedObject, "AdpShutDownParsedObject *"> {
public:
    static constexpr u8 kShutdownKind = 1;

    // 0; -1 when the controller cannot be reached; the firmware status of a refused shutdown.
    int ProcessParsed(CpController* cpController, AdpShutDownParsedObject* object) override;
};
