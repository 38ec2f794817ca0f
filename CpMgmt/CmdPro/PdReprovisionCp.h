// -PDInstantSecureErase: each named drive that the controller marks as reprovisionable is
// reprovisioned; one locked by another controller's key, on an adapter with encryption on, is
// instantly secure-erased. Both need -Force. -PdReprovision is refused.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/PdReprovisionParser.h"

class PdReprovisionCp : public TypedProcessor<PdReprovisionParsedObject, "PdReprovisionParsedObject *"> {
public:
    // 0 when every drive was erased or reported as one that may not be; -1 (or the enclosure
    // resolution's status) at the first drive that is missing, needs -Force or fails.
    int ProcessParsed(CpController* cpController, PdReprovisionParsedObject* object) override;
};
