// The PHY error counters command (-PhyErrorCounters): four link error counters of every PHY of
// the controller, through the Adapter element.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/PhyParsedObjects.h"

class AdpPhyErrorCtsCp : public TypedProcessor<PhyErrCtParsedObject, "PhyErrCtParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PhyErrCtParsedObject* object) override;
};
