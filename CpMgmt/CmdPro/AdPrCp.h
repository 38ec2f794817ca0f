// -AdpPR: the patrol-read mode, start, stop, suspend and resume, the delay, the next start
// time, the drives read at once, patrol read of solid state drives, and the report.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpPrParsedObject.h"

class Adapter;
class RaidManager;

class AdpPatrolReadCp : public TypedProcessor<AdpPrParsedObject, "AdpPrParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, AdpPrParsedObject* object) override;

private:
    int Report(Adapter* adapter, RaidManager* manager, u8 number);
    // True when an online drive reports its patrol read running and paused.
    static bool IsSuspended(RaidManager* manager);
};
