// Virtual drive deletion: -CfgLdDel deletes ordinary virtual drives, -CfgFlashTierDel
// FlashTier (SSD-cache) virtual drives. Drives with snapshots are refused; a drive the cache
// serves is deleted only with -Force.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class LdDelCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    int Process(CpController* cpController, ParsedObject* parsedObject) override;
    int IsDone() override { return 1; }
};
