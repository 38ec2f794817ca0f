// The association of virtual drives with the SSD cache: the cache's list read, changed by the
// command's target ids and written whole.
#include <algorithm>
#include <vector>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CmdPro/SSCDAddCp.h"
#include "CpMgmt/CmdPro/SscAssociation.h"
#include "CpMgmt/CpController.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {


void ReportSsdCacheVd(u8 targetId)
{
    ReportPrint::Text(" VD : ");
    PrintMessage(CommonMsg::kNumber, static_cast<int>(targetId));
    ReportPrint::Text(" is SSCD VD, Can't associate to FlashTier Pool\n");
}

// The first SSD-cache virtual drive by target id, or null.
VirtualDisk* FirstCacheVd(RaidManager* manager)
{
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr)
        return nullptr;
    manager->SortVdList(vds);
    for (unsigned i = 0; i < vds->GetCount(); ++i) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(i));
        if (vd != nullptr && vd->IsSscd())
            return vd;
    }
    return nullptr;
}

}  // namespace

int SSCDAddCp::AssociateVds(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    const bool remove = object->assignMode == CfgSSCDAddParsedObject::kRemove;
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0 || adapter == nullptr)
        return -1;
    u8 manual = 0;
    if (adapter->IsSscVdAssociationSupported(&manual) != 0 || manual == 0) {
        ReportPrint::Text("Manual SSC Association is not allowed\n");
        return -1;
    }
    // The count of SSD-cache virtual drives as the controller reports it now (a drive may have
    // been created in this run); an information block that cannot be read counts as none.
    u16 caches = 0;
    if (manager->RefreshAdapter() != 0 || adapter->GetSscCount(&caches) != 0)
        caches = 0;
    if (!FindCacheVd(manager))
        return -1;
    if (caches == 0) {
        ReportPrint::Text(remove ? "NO VD is associated with FlashTier\n" : "Failed to associate the VD as there is no FlashTier\n");
        return -1;
    }

    std::vector<u8> working;
    if (ssc::ReadAssociation(cpController->GetController(), cacheVdId_->GetTargetId(), &working) != 0)
        return 1;
    const std::size_t previous = working.size();
    const ArrayList<u8>* listed = object->GetLdList();
    if (listed->GetCount() == 0)
        return 0;

    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapterNumber, &vdCount, "LD"))
        return -1;
    const bool all = listed->GetCount() == 1 && listed->GetAt(0) == CfgSSCDAddParsedObject::kAllLds;
    const bool removeAll = all && remove;

    bool refused = false;
    if (vdCount == 0)
        PrintMessage(LdMsg::kNoVirtualDrive, adapterNumber);
    else if (!removeAll && ChangeAssociation(manager, adapterNumber, listed, all, remove, previous, &working, &refused) != 0)
        return -1;
    return WriteAssociation(cpController, remove, removeAll, previous, &working, refused);
}

bool SSCDAddCp::FindCacheVd(RaidManager* manager)
{
    if (cacheVdId_)
        return true;
    VirtualDisk* cache = FirstCacheVd(manager);
    if (cache == nullptr) {
        ReportPrint::Text("Failed to associate the VD as there is no FlashTier\n");
        return false;
    }
    cacheVdId_ = std::make_unique<VdId>(cache->GetId()->GetFwTargetId());
    return true;
}

// A listed SSD-cache drive is refused and passed over; the others are still associated, and
// the command then ends with -1. With -LALL the cache drive is only passed over.
int SSCDAddCp::ChangeAssociation(RaidManager* manager, u8 adapterNumber, const ArrayList<u8>* listed, bool all,
                                 bool remove, std::size_t previous, std::vector<u8>* working, bool* refused)
{
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr) {
        PrintMessage(CommonMsg::kFailedToGet, "VD list");
        return -1;
    }
    manager->SortVdList(vds);
    const unsigned steps = all ? vds->GetCount() : listed->GetCount();
    for (unsigned i = 0; i < steps; ++i) {
        u8 targetId = 0;
        VirtualDisk* vd = nullptr;
        if (all) {
            vd = vds->GetAt(static_cast<u8>(i));
            if (vd == nullptr)
                continue;
            targetId = vd->GetId()->GetTargetId();
        } else {
            targetId = listed->GetAt(static_cast<u8>(i));
            if (!manager->IsTargetIdInUse(targetId, 0)) {
                PrintMessage(CommonMsg::kVdNotFound, adapterNumber, static_cast<int>(targetId));
                return -1;
            }
            vd = FindVdByTarget(vds, targetId);
        }
        if (vd != nullptr && vd->IsSscd()) {
            ReportSsdCacheVd(targetId);
            *refused = *refused || !all;
            continue;
        }
        const auto found = std::find(working->begin(), working->end(), targetId);
        if (!remove) {
            if (found == working->end())
                working->push_back(targetId);
            continue;
        }
        if (previous == 0)
            break;
        if (found == working->end()) {
            ReportPrint::Text("VD is not associated with FlashTier\n");
            return -1;
        }
        working->erase(found);
    }
    return 0;
}

int SSCDAddCp::WriteAssociation(CpController* cpController, bool remove, bool removeAll, std::size_t previous,
                                std::vector<u8>* working, bool refused)
{
    if (working->size() == previous) {
        if (!remove) {
            ReportPrint::Text("failed to add VD to Cache \n");
            return -1;
        }
        if (!removeAll) {
            ReportPrint::Text("failed to remove VD from Cache\n");
            return -1;
        }
    }
    if (removeAll)
        working->clear();
    const int status = ssc::WriteAssociation(cpController->GetController(), *working);
    if (status != 0)
        ReportPrint::Text(remove ? "Dis-association failed ! \n" : "Association failed ! \n");
    else
        ReportPrint::Text(remove ? "Successfully removed VD from Cache  \n" : "Successfully assigned VD to Cache  \n");
    return status == 0 && refused ? -1 : status;
}
