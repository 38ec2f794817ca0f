// -AdpAutoRbld: switches the controller's automatic rebuild on or off (the auto-rebuild-disable
// flag of the controller properties) or shows it.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpAutoRbldParsedObject.h"

class AdpAutoRbldCp : public TypedProcessor<AdpAutoRbldParsedObject, "AdpAutoRbldCp::process(): PoPtr..."> {
public:
    int ProcessParsed(CpController* cpController, AdpAutoRbldParsedObject* object) override;
};
