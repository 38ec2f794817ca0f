// -CfgFlashTierAdd and -FlashTier: a FlashTier (SSD-cache) virtual drive built from solid state
// drives, and the list of virtual drives the controller's SSD cache serves (assign or remove).
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "CpMgmt/CmdPro/ConfigurationCp.h"
#include "CpMgmt/TypedProcessor.h"
#include "parsers/CfgSSCDAddParsedObject.h"
#include "raidmodel/ids/VdId.h"

class PhysicalDevice;
class UnCfgdVdOnFreshPd;

class SSCDAddCp : public TypedProcessor<CfgSSCDAddParsedObject, "CfgSSCAddParsedObject *", ConfigurationCp> {
public:
    using SpanLists = ArrayList<ArrayList<PhysicalDevice*>*>;

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

    // The steps of CreateCacheVd.
    // The level, write policy and drives per span of the plan.
    static void SetCachePolicies(UnCfgdVdOnFreshPd* plan, CfgSSCDAddParsedObject* object, u8 perSpan);
    // Fills the plan's span list from the named drives, span by span; a span the plan does not
    // take whole ends the filling (the caller sees fewer spans). 0, or -1 after a refusal.
    int PlaceCacheDrives(UnCfgdVdOnFreshPd* plan, bool checkPi);
    // Sizes the planned drive, writes it and keeps its id: the status of the write.
    int WriteCacheVd(u8 adapterNumber, CfgSSCDAddParsedObject* object, RaidManager* manager, UnCfgdVdOnFreshPd* plan);

    // The steps of AssociateVds.
    // The SSD-cache drive to associate with: the one just created, or the first on the
    // controller. False after the message that there is none.
    bool FindCacheVd(RaidManager* manager);
    // Adds the listed drives to the working list, or takes them out of it (`remove`). 0 to go
    // on, or -1 after a refusal's message; `*refused` when a listed SSD-cache drive was passed
    // over.
    static int ChangeAssociation(RaidManager* manager, u8 adapterNumber, const ArrayList<u8>* listed, bool all,
                                 bool remove, std::size_t previous, std::vector<u8>* working, bool* refused);
    // Refuses a change that changed nothing, then writes the working list and reports it.
    static int WriteAssociation(CpController* cpController, bool remove, bool removeAll, std::size_t previous,
                                std::vector<u8>* working, bool refused);

    // The cache drives named with -Physdrv, as one span: the lists are owned, the drives are the
    // model's.
    OwnedList<ArrayList<PhysicalDevice*>> spanLists_;
    // The SSD-cache virtual drive that virtual drives are associated with: the one just created,
    // or the first found on the controller.
    std::unique_ptr<VdId> cacheVdId_;
};
