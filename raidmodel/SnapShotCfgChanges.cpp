// The configuration changes of the snapshot manager: each goes to the data layer; after the
// controller made the change the snapshot is retired, so that what is read next is current.
#include "raidmodel/SnapShotRaidManager.h"
#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"
#include "raidmodel/VirtualDisk.h"

namespace {
// The controller made the change (the operating system may not have been told).
bool ControllerChanged(int status) { return status == 0 || status == RaidManager::kStatusOsNotTold; }
}  // namespace

void SnapShotRaidManager::RetireSnapshot()
{
    Retired retired;
    retired.devices = std::move(devices_);
    retired.cfg = std::move(cfg_);
    retired.unassigned = std::move(unassigned_);
    retired_.push_back(std::move(retired));
    devices_.clear();
    entries_.clear();
    devicesLoaded_ = false;
    // The merged list still points at the retired drives until it is built again.
    listsBuilt_ = false;
    vdCountLoaded_ = false;
    vdCount_ = 0;
}

int SnapShotRaidManager::AddCfgForNewVd(UnConfiguredVd* plan)
{
    if (dynamic_cast<UnCfgdVdOnFreshPd*>(plan) == nullptr)
        return -1;
    int status = data_->AddCfgForNewVd(plan);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}

int SnapShotRaidManager::AddCfgForFreeSpaceVd(UnConfiguredVd* plan)
{
    if (dynamic_cast<UnCfgdVdOnFreeSpOnPd*>(plan) == nullptr)
        return -1;
    int status = data_->AddCfgForFreeSpaceVd(plan);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}

int SnapShotRaidManager::SendSpanPdList(ArrayList<ArrayList<PhysicalDevice*>*>* spans, u32* spunUp, u32* total)
{
    Adapter* adapter = nullptr;
    u8 required = 0;
    int status = GetAdapter(&adapter);
    if (status == 0)
        status = adapter->IsSpinUpBeforeCfgRequired(&required);
    if (status != 0)
        return status;
    return data_->SendSpanPdList(spans, required != 0, spunUp, total);
}

int SnapShotRaidManager::DeleteVd(VdId* id, u8 hostStep, u8 option)
{
    if (id == nullptr || LoadCfg() != 0)
        return -1;
    const auto* fwId = dynamic_cast<const VdIdFwi*>(id);
    VirtualDisk* vd = cfg_->FindVd(id->GetFwTargetId());
    if (vd == nullptr || (fwId != nullptr && fwId->GetSeqNum() != VdIdFwi::kAnySeqNum &&
                          fwId->GetSeqNum() != vd->GetId()->GetSeqNum()))
        return -1;
    int status = data_->DeleteVd(vd->GetId()->GetReference(), hostStep, option);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}

int SnapShotRaidManager::ClearCfg(u8 force)
{
    int status = data_->ClearCfg(force);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}
