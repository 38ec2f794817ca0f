// The controller diagnostic (-AdpDiag): runs the controller's self diagnostic for the number of
// seconds given (at most 180) and reports its outcome.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpDiagParsedObject.h"

class AdpDiagCp : public TypedProcessor<AdpDiagParsedObject, "AdpDiagParsedObject"> {
public:
    static constexpr u32 kMaxSeconds = 180;

    // 0 when the diagnostic completed; -1, or the diagnostic's status.
    int ProcessParsed(CpController* cpController, AdpDiagParsedObject* object) override;
};
