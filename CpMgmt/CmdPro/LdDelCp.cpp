#include "CpMgmt/CmdPro/LdDelCp.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/SscAssociation.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdDelParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/CtPrint.h"

namespace {

const CpRegistration<LdDelCp> kRegisterLdDelCp{TOKEN_CFGLDDEL, TOKEN_CFGFLASHTIERDEL};

// Printed on standard output whatever the console settings, and not logged.
void PrintSnapshotRefusal(u8 targetId)
{
    CtPrint::Instance().Flush();
    std::printf("Snapshot is enabled on the Virtual Disk %d. Cannot delete Virtual Disk %d\n", targetId, targetId);
    std::fflush(stdout);
}

}  // namespace

int LdDelCp::ProcessParsed(CpController* cpController, LdDelParsedObject* object)
{
    cpController_ = cpController;
    object_ = object;
    result_ = 0;
    refused_ = false;
    adapterNumber_ = AdapterNumberOf(cpController);
    manager_ = RaidManagerOrReport(cpController, adapterNumber_);
    if (manager_ == nullptr)
        return -1;
    manager_->Refresh();
    if (manager_->GetAdapter(&adapter_) != 0)
        return -1;
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager_, adapterNumber_, &vdCount))
        return -1;
    if (manager_->GetVdList(&vds_) != 0)
        vds_ = nullptr;
    if (vds_ != nullptr)
        manager_->SortVdList(vds_);

    all_ = object->IsAllLds() != 0;
    // In all-drives mode the drives of the snapshot taken at the start; never more than it holds.
    const unsigned count = all_ ? std::min<unsigned>(vdCount, vds_ != nullptr ? vds_->GetCount() : 0) : object->GetLdCount();
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        if (!TargetAt(i, &target)) {
            refused_ = true;
            continue;
        }
        if (const std::optional<int> end = VisitTarget(target))
            return *end;
    }
    return result_ == 0 && refused_ ? -1 : result_;
}

bool LdDelCp::TargetAt(unsigned i, u8* target) const
{
    if (all_) {
        *target = vds_->GetAt(static_cast<u8>(i))->GetId()->GetTargetId();
        return true;
    }
    *target = object_->GetLd(static_cast<u8>(i));
    if (manager_->IsTargetIdInUse(*target, 0))
        return true;
    PrintMessage(CommonMsg::kVdNotFound, adapterNumber_, *target);
    return false;
}

std::optional<int> LdDelCp::VisitTarget(u8 target)
{
    VdIdFwi id(target, target, VdIdFwi::kAnySeqNum);
    VirtualDisk* vd = nullptr;
    if (manager_->GetVd(&id, &vd) != 0 || vd == nullptr) {
        PrintMessage(CommonMsg::kFailedToGet, "VD object");
        refused_ = true;
        return std::nullopt;
    }
    const u16 fwTarget = vd->GetId()->GetFwTargetId();
    if (vd->IsSnapshotEnabled()) {
        PrintSnapshotRefusal(target);
        refused_ = true;
        return std::nullopt;
    }
    const bool isCache = vd->IsSscd();
    switch (CheckKind(target, fwTarget, isCache)) {
    case Verdict::kPassOver:
        return std::nullopt;
    case Verdict::kRefuse:
        return -1;
    case Verdict::kDelete:
        break;
    }
    return Delete(&id, target, fwTarget, isCache);
}

LdDelCp::Verdict LdDelCp::CheckKind(u8 target, u16 fwTarget, bool isCache)
{
    // A support flag that cannot be read counts as support: the checks below keep their
    // guards (a controller that holds a cache drive supports caching anyway).
    u8 cacheSupported = 0;
    if (adapter_->IsSscSupported(&cacheSupported) != 0)
        cacheSupported = 1;

    if (object_->GetCommandId() == TOKEN_CFGFLASHTIERDEL) {
        if (cacheSupported == 0) {
            PrintMessage(CommonMsg::kText, "FlashTier is not supported \n");
            return Verdict::kRefuse;
        }
        if (isCache)
            return Verdict::kDelete;
        if (all_)
            return Verdict::kPassOver;
        PrintMessage(CommonMsg::kText, "VD is not FlashTier\n");
        return Verdict::kRefuse;
    }
    if (cacheSupported == 0)
        return Verdict::kDelete;
    if (isCache) {
        if (all_)
            return Verdict::kPassOver;
        PrintMessage(CommonMsg::kText, " Virtual Disk is an FlashTier. Please Use FlashTier Command for Deleting the VD \n");
        return Verdict::kRefuse;
    }
    // An association that cannot be read may hold the drive: it counts as served, so that only
    // -Force deletes it (the read's status stays the command's).
    std::vector<u8> served;
    result_ = ssc::ReadAssociation(cpController_->GetController(), target, &served);
    const bool isServed = result_ != 0 || std::find(served.begin(), served.end(), fwTarget) != served.end();
    if (isServed && object_->GetForce() != 1) {
        PrintMessage(CommonMsg::kText, " Virtual Disk is associate with FlashTier. Please Use force option to delete \n");
        return Verdict::kRefuse;
    }
    return Verdict::kDelete;
}

std::optional<int> LdDelCp::Delete(VdIdFwi* id, u8 target, u16 fwTarget, bool isCache)
{
    const u8 option = isCache ? 1 : 0;
    const int deleted = object_->GetForce() != 0 ? manager_->DeleteVd(id, 1, option) : manager_->DeleteVd(id, option, 0);
    if (deleted == 0 || deleted == RaidManager::kStatusOsNotTold) {
        PrintMessage(LdMsg::kDeleted, adapterNumber_, target, fwTarget);
        if (deleted == RaidManager::kStatusOsNotTold)
            PrintMessage(CommonMsg::kOsUpdateFailed);
        return std::nullopt;
    }
    PrintMessage(LdMsg::kDeleteFailed, adapterNumber_, target);
    return deleted;
}
