// The cache flush (-AdpCacheFlush): the controller writes its cache out.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpOneShotParsedObjects.h"

class AdpCacheFlushCp : public TypedProcessor<AdpCacheFlushParsedObject, "AdpCacheFlushParsedObject"> {
public:
    // 0, or -1 when the controller cannot be reached or the flush fails.
    int ProcessParsed(CpController* cpController, AdpCacheFlushParsedObject* object) override;
};
