// The power-saving policy of virtual drives (-LDSetPowerPolicy), within what the controller
// and its manufacturing defaults allow.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/LdPowerPolicyParsedObject.h"

class LdPowerPolicyCp : public TypedProcessor<LdPowerPolicyParsedObject, "LdPowerPolicyParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, LdPowerPolicyParsedObject* object) override;
};
