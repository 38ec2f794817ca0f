// The association of a new virtual drive with the FlashTier cache (-Cache of the creation
// commands).
#include <algorithm>
#include <vector>

#include "CpMgmt/CmdPro/ConfigurationCp.h"
#include "CpMgmt/CmdPro/SscAssociation.h"
#include "CpMgmt/CpController.h"
#include "parsers/CfgAddParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr const char* kNoFlashTier = "Failed to associate the VD as there is no FlashTier\n";

}  // namespace

int ConfigurationCp::AssociateVdToCache(CpController* cpController, u8 targetId, const CfgAddParsedObject* object,
                                        RaidManager* manager)
{
    Adapter* adapter = nullptr;
    if (object == nullptr || manager == nullptr || manager->GetAdapter(&adapter) != 0)
        return -1;
    u8 supported = 0;
    if (adapter->IsSscSupported(&supported) != 0)
        return -1;
    if (supported == 0) {
        PrintMessage(CommonMsg::kText, "FlashTier is not supported \n");
        return -1;
    }
    supported = 0;
    adapter->IsSscVdAssociationSupported(&supported);
    if (supported != 1) {
        PrintMessage(CommonMsg::kText, "Vd association is not supported \n");
        return -1;
    }

    List<VirtualDisk*>* vds = nullptr;
    VirtualDisk* cache = nullptr;
    if (manager->GetVdList(&vds) == 0 && vds != nullptr) {
        manager->SortVdList(vds);
        for (unsigned i = 0; i < vds->GetCount() && cache == nullptr; ++i)
            if (vds->GetAt(static_cast<u8>(i)) != nullptr && vds->GetAt(static_cast<u8>(i))->IsSscd())
                cache = vds->GetAt(static_cast<u8>(i));
    }
    // An unreadable count counts as no cache.
    u16 caches = 0;
    if (cache == nullptr || adapter->GetSscCount(&caches) != 0 || caches == 0) {
        PrintMessage(CommonMsg::kText, kNoFlashTier);
        return -1;
    }

    std::vector<u8> targets;
    if (ssc::ReadAssociation(cpController->GetController(), cache->GetId()->GetTargetId(), &targets) != 0)
        return 1;
    if (!manager->IsTargetIdInUse(targetId, 1)) {
        PrintMessage(CommonMsg::kVdNotFound, object->GetAdapterNumber(), targetId);
        return -1;
    }
    if (std::find(targets.begin(), targets.end(), targetId) == targets.end())
        targets.push_back(targetId);
    const int status = ssc::WriteAssociation(cpController->GetController(), targets);
    PrintMessage(CommonMsg::kText, status == 0 ? "Successfully assigned VD to Cache  \n" : "Association failed ! \n");
    return status;
}
