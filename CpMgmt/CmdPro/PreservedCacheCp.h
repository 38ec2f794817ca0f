// The controller's preserved cache: the list of the virtual drives holding some
// (-GetPreservedCacheList) and its discard (-DiscardPreservedCache), which may delete the
// offline drives it belonged to.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdInfoParsedObject.h"
#include "parsers/PdListParsedObject.h"

class PreservedCacheListCp : public TypedProcessor<PdListParsedObject, "PdListParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, PdListParsedObject* object) override;
};

class DiscardPreservedCacheCp
    : public TypedProcessor<LdInfoParsedObject, "DiscardPreservedCacheParsedObject *..."> {
public:
    int ProcessParsed(CpController* cpController, LdInfoParsedObject* object) override;
};
