// -CfgFlashTierAdd and -FlashTier: a FlashTier (SSD-cache) virtual drive built from solid state
// drives, and the list of virtual drives the controller's SSD cache serves (assign or remove).
#pragma once
#include <memory>

#include "CpMgmt/CmdPro/ConfigurationCp.h"
#include "CpMgmt/TypedProcessor.h"
#include "parsers/CfgSSCDAddParsedObject.h"
#include "raidmodel/ids/VdId.h"

class PhysicalDevice;

class SSCDAddCp : public TypedProcessor<CfgSSCDAddParsedObject, "CfgSSCAddParsedObject *", ConfigurationCp> {
public:
    using SpanLists = ArrayList<ArrayList<PhysicalDevice*>*>;

    SSCDAddCp() = default;
    ~SSCDAddCp() override;

    int ProcessParsed(CpController* cpController, CfgSSCDAddParsedObject* object) override;

    // Builds and writes the SSD-cache virtual drive from the drive list ProcessParsed prepared.
    // 0; -1 or 3 for a refusal; or the failing status of the write.
    int CreateCacheVd(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager);
    // Assigns or removes the virtual drives of the object's target-id list. The status of the
    // association write; -1 for a refusal; 1 when the current association cannot be read.
    int AssociateVds(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager);

private:
    // The cache drives named with -Physdrv, as the span list of the new virtual drive. 0, or the
    // refusal's status after its message.
    int BuildCacheDriveList(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager);
    // Creates the SSD-cache virtual drive after the drive-list checks (ProcessParsed steps 5-9).
    int CreateAfterChecks(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager);
    void DeleteSpanLists();

    SpanLists* spanLists_ = nullptr;
    // The SSD-cache virtual drive that virtual drives are associated with: the one just created,
    // or the first found on the controller.
    std::unique_ptr<VdId> cacheVdId_;
};
