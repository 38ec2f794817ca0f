#include "CpMgmt/CmdPro/LdSelection.h"

#include "CpMgmt/ReportStatus.h"

#include <algorithm>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

LdSelection::LdSelection(RaidManager* manager, const LdParsedObject& object, u8 adapter)
    : manager_(manager), object_(object), adapter_(adapter), all_(object.GetLd(0) == LdParsedObject::kAllLds)
{
}

int LdSelection::ReadList()
{
    if (manager_->GetVdList(&vds_) != 0 || vds_ == nullptr) {
        vds_ = nullptr;
        return -1;
    }
    manager_->SortVdList(vds_);
    return 0;
}

int LdSelection::ReadListOrReport()
{
    if (ReadList() == 0)
        return 0;
    PrintReadFailure(adapter_, "the configuration");
    return -1;
}

unsigned LdSelection::Count(unsigned vdCount) const
{
    if (!all_)
        return object_.GetLdCount();
    return std::min<unsigned>(vdCount, vds_ != nullptr ? vds_->GetCount() : 0);
}

bool LdSelection::TargetAt(unsigned i, u8* target) const
{
    if (all_) {
        VirtualDisk* vd = vds_ != nullptr && i < vds_->GetCount() ? vds_->GetAt(static_cast<u8>(i)) : nullptr;
        if (vd == nullptr)
            return false;
        *target = vd->GetId()->GetTargetId();
        return true;
    }
    *target = object_.GetLd(static_cast<u8>(i));
    if (manager_->IsTargetIdInUse(*target, 0))
        return true;
    PrintMessage(CommonMsg::kVdNotFound, adapter_, *target);
    return false;
}

VirtualDisk* LdSelection::Find(u8 target) const { return FindVdByTarget(vds_, target); }

VirtualDisk* FindVdByTarget(const List<VirtualDisk*>* vds, unsigned target)
{
    for (unsigned i = 0; vds != nullptr && i < vds->GetCount(); ++i) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(i));
        if (vd != nullptr && vd->GetId()->GetTargetId() == target)
            return vd;
    }
    return nullptr;
}

bool ReadVdCountOrReport(RaidManager* manager, u8 adapter, u8* count, const char* operation)
{
    if (manager->GetVdCount(count) == 0)
        return true;
    if (operation == nullptr)
        PrintMessage(AdpMsg::kVdCountFailed, adapter);
    else
        PrintMessage(CommonMsg::kOperationFailed, adapter, operation);
    return false;
}

int CountVdsOrReportNone(RaidManager* manager, u8 adapter, u8* count, const char* operation)
{
    if (!ReadVdCountOrReport(manager, adapter, count, operation))
        return -1;
    if (*count != 0)
        return 1;
    PrintMessage(LdMsg::kNoVirtualDrive, adapter);
    return 0;
}

VirtualDisk* GetVdOrReport(RaidManager* manager, u8 target)
{
    VdIdFwi id(target, target, VdIdFwi::kAnySeqNum);
    VirtualDisk* vd = nullptr;
    if (manager->GetVd(&id, &vd) != 0 || vd == nullptr) {
        PrintMessage(CommonMsg::kFailedToGet, "VD object");
        return nullptr;
    }
    return vd;
}

int CheckBgOpSuspendResume(RaidManager* manager)
{
    Adapter* adapter = nullptr;
    int status = manager->GetAdapter(&adapter);
    if (status != 0 || adapter == nullptr) {
        PrintMessage(CommonMsg::kText, "Failed To Get Adapter.\n");
        return status != 0 ? status : -1;
    }
    return CheckBgOpSuspendResume(adapter);
}

int CheckBgOpSuspendResume(Adapter* adapter)
{
    u8 supported = 0;
    const int status = adapter->IsBgOpSuspendResumeSupported(&supported);
    if (status != 0)
        return status;
    if (supported != 1) {
        PrintMessage(CommonMsg::kText, "FW Not Allowed Suspend-Resume on BG Operations.\n");
        return -1;
    }
    return 0;
}

int ReadAllowedOps(VirtualDisk* vd, u8 target, u8 ops[vdallowed::kSize])
{
    const int status = vd->GetAllowedOps(ops);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "Fail to Get VD Allowed operation. VD = ");
        PrintMessage(CommonMsg::kNumber, target);
        PrintMessage(CommonMsg::kLineEnd);
    }
    return status;
}

int ReadProgressOrReport(VirtualDisk* vd, u8 target, u8 progress[vdprogress::kSize])
{
    const int status = vd->GetProgress(progress);
    if (status != 0)
        PrintMessage(LdMsg::kProgressFailed, target);
    return status;
}
