// The factory defaults (-AdpFacDefSet): the controller restores its factory default settings,
// which take effect at the next boot.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpOneShotParsedObjects.h"

class AdpFacDefSetCp : public TypedProcessor<AdpFacDefSetPo, "AdpFacDefSetPo *"> {
public:
    // 0, or the firmware status of the refused request.
    int ProcessParsed(CpController* cpController, AdpFacDefSetPo* object) override;
};
