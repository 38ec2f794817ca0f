// Virtual drive deletion: -CfgLdDel deletes ordinary virtual drives, -CfgFlashTierDel
// FlashTier (SSD-cache) virtual drives. Drives with snapshots are refused; a drive the cache
// serves is deleted only with -Force.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdDelParsedObject.h"
#include "runtime/ArrayList.h"

class LdDelCp : public TypedProcessor<LdDelParsedObject, "LdDelParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, LdDelParsedObject* object) override;
    int IsDone() override { return 1; }
};
