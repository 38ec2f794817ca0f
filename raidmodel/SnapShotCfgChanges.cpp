// The configuration changes of the snapshot manager: each goes to the data layer; after the
// controller made the change the snapshot is retired, so that what is read next is current.
#include "raidmodel/SnapShotRaidManager.h"
#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"
#include "raidmodel/VirtualDisk.h"

bool SnapShotRaidManager::ControllerChanged(int status)
{
    return status == 0 || status == RaidManager::kStatusOsNotTold;
}

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

int SnapShotRaidManager::WritePlan(UnConfiguredVd* plan)
{
    CfgWrite write;
    if (!plan->IsValid() || plan->BuildCfgWrite(&write) != 0)
        return -1;
    u16 targetId = 0;
    u16 seqNum = 0;
    int status = data_->AddCfg(write, !plan->IsSscd(), &targetId, &seqNum);
    if (ControllerChanged(status))
        plan->SetVdId(targetId, seqNum);
    return status;
}

int SnapShotRaidManager::AddCfgForNewVd(UnConfiguredVd* plan)
{
    if (dynamic_cast<UnCfgdVdOnFreshPd*>(plan) == nullptr)
        return -1;
    int status = WritePlan(plan);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}

int SnapShotRaidManager::AddCfgForFreeSpaceVd(UnConfiguredVd* plan)
{
    if (dynamic_cast<UnCfgdVdOnFreeSpOnPd*>(plan) == nullptr)
        return -1;
    int status = WritePlan(plan);
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
    *spunUp = 0;
    *total = 0;
    if (required == 0)
        return 0;
    if (!spinUpCollected_) {
        std::vector<u16> ids;
        for (unsigned s = 0; spans != nullptr && s < spans->GetCount(); ++s) {
            ArrayList<PhysicalDevice*>* span = spans->GetAt(static_cast<u8>(s));
            for (unsigned i = 0; span != nullptr && i < span->GetCount(); ++i) {
                PhysicalDevice* pd = span->GetAt(static_cast<u8>(i));
                u8 power = 0;
                u16 id = 0;
                if (pd == nullptr)
                    continue;
                status = pd->GetPowerState(&power);
                if (status == 0)
                    status = pd->GetDeviceId(&id);
                if (status != 0)
                    return status;
                if (power != 0)
                    ids.push_back(id);
            }
        }
        spinUpIds_ = std::move(ids);
        spinUpCollected_ = true;
    }
    if (spinUpIds_.empty()) {
        spinUpCollected_ = false;
        return 0;
    }

    const u32 count = static_cast<u32>(spinUpIds_.size());
    u32 reported = 0;
    status = data_->SpinUpDrives(spinUpIds_, &reported);
    if (status != 0 && status != kStatusSpinningUp)
        return status;
    // A spun-up count above the drives asked for is not believed past them.
    *spunUp = reported < count ? reported : count;
    *total = count;
    if (status == 0) {
        spinUpIds_.clear();
        spinUpCollected_ = false;
    }
    return status;
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
