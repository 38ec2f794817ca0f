// -AdpCcSched: the consistency-check schedule's mode with the virtual drives left out, its next
// start and its delay, and the report of the schedule and its current run.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpCCSchedParsedObject.h"

class Adapter;

class AdpCCSchedulingCp : public TypedProcessor<AdpCCSchedParsedObject, "AdpCcScParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, AdpCCSchedParsedObject* object) override;

    int ShowInfo(CpController* cpController, AdpCCSchedParsedObject* object);
    int SetMode(CpController* cpController, AdpCCSchedParsedObject* object);
    int SetStartTime(CpController* cpController, AdpCCSchedParsedObject* object);
    int SetDelay(CpController* cpController, AdpCCSchedParsedObject* object);
};
