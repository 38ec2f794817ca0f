// Planning and writing one virtual drive: on unconfigured drives (AddVd) or in a free extent of
// an existing disk group (AddVdOnFreeSpace).
#include <memory>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/LdAddCp.h"
#include "CpMgmt/CpController.h"
#include "dataif/RaidLevels.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr int kStatusNoExtent = 3;
constexpr int kStatusSpans = 3;
constexpr int kStatusTooLarge = 13;
constexpr int kStatusLevel = 30;
constexpr int kStatusPiReadFailed = 1;

bool Contains(const ArrayList<u8>* list, u8 code) { return list != nullptr && list->Contains(code); }

// Sets the size the command gives for the virtual drive (or the capacity for none or 0), then
// the size the plan really uses.
int SetSize(UnConfiguredVd* plan, const CfgAddParsedObject* object, u8 sizeIndex)
{
    u64 capacity = 0;
    int status = plan->ComputeCapacity(&capacity);
    if (status != 0)
        return status;
    const SizeList* sizes = object->GetSizeList();
    const u64 requested = sizes != nullptr && sizeIndex < sizes->GetCount() ? *sizes->GetAt(sizeIndex) : 0;
    if (requested > capacity)
        return kStatusTooLarge;
    plan->SetSize(requested != 0 ? requested : capacity);
    u64 used = 0;
    if ((status = plan->GetVdSize(&used)) != 0)
        return status;
    plan->SetSize(used);
    return 0;
}

// The extent a virtual drive in the disk group's free space takes: the first free one, or the
// one right after the named virtual drive. 0, or the status of the failed lookup (3: none).
int ChooseFreeSpaceExtent(DiskGroup* dg, u8 afterTargetId, std::unique_ptr<ArraySpaceInfo>* chosen)
{
    List<Array*>* arrays = nullptr;
    const int status = dg->GetArrayList(&arrays);
    if (status != 0)
        return status;
    if (arrays == nullptr)
        return kStatusNoExtent;
    Array* first = arrays->GetAt(0);
    if (first == nullptr)
        return -1;
    ArraySpaceInfos extents = first->SpaceExtents();
    for (size_t i = 0; i < extents.size(); ++i) {
        if (afterTargetId == CfgParsedObject::kNotGiven) {
            if (extents[i]->IsFree()) {
                *chosen = std::move(extents[i]);
                return 0;
            }
        } else if (!extents[i]->IsFree() && extents[i]->GetVd()->GetId()->GetTargetId() == afterTargetId) {
            if (i + 1 >= extents.size() || !extents[i + 1]->IsFree())
                return kStatusNoExtent;
            *chosen = std::move(extents[i + 1]);
            return 0;
        }
    }
    return kStatusNoExtent;
}

}  // namespace

int LdAddCp::FillPlanSpans(CpController* cpController, CfgAddParsedObject* object, UnCfgdVdOnFreshPd* plan,
                           SpanLists* planSpans)
{
    const u8 encryption = PlanEncryption(object->GetEncryptionType());
    for (unsigned s = 0; s < spanLists_->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* named = spanLists_->GetAt(static_cast<u8>(s));
        const unsigned namedCount = named != nullptr ? named->GetCount() : 0;
        auto newDrives =
            std::make_unique<ArrayList<PhysicalDevice*>>(namedCount > 0 ? static_cast<u8>(namedCount) : 1);
        // The list joins the plan first, so that the plan sees the span's drives while it is
        // filled.
        if (planSpans->Add(newDrives.get()) != 0)
            break;
        ArrayList<PhysicalDevice*>* drives = newDrives.release();  // the plan's span list owns it
        bool stopped = false;
        for (unsigned i = 0; i < namedCount && !stopped; ++i) {
            PhysicalDevice* pd = named->GetAt(static_cast<u8>(i));
            // A drive whose security cannot be read counts as secured: its data is not given
            // away without -Force.
            u16 secured = 0;
            if (pd->IsSecured(&secured) != 0)
                secured = 1;
            if (object->IsEnblPI() != 0) {
                u16 eligible = 0;
                if (pd->IsPiEligible(&eligible) != 0)
                    return kStatusPiReadFailed;
                if (eligible == 0)
                    continue;
            }
            if (!plan->HasEnoughMixablePds(pd) || !plan->CanAddPd(pd)) {
                stopped = true;
                // A drive the user named must not be dropped from the virtual drive silently.
                if (drivesNamed_) {
                    PrintMessage(CommonMsg::kOperationFailed, AdapterNumberOf(cpController), "configuration");
                    return kStatusSpans;
                }
                continue;
            }
            if (secured != 0 && encryption != vdrec::kEncryptionFde && object->GetForce() != 1) {
                PrintMessage(CfgMsg::kSecuredDrive);
                stopped = true;
                if (drivesNamed_)
                    return -1;
                continue;
            }
            drives->Add(pd);
        }
    }
    return 0;
}

int LdAddCp::CheckFreshLevel(Adapter* adapter, CfgAddParsedObject* object, u8 level)
{
    ArrayList<u8>* supportedList = nullptr;
    int status = adapter->GetSupportedRaidLevels(&supportedList);
    std::unique_ptr<ArrayList<u8>> supported(status == 0 ? supportedList : nullptr);
    if ((status = CheckPiSupport(adapter, object->IsEnblPI())) != 0)
        return status;
    return Contains(supported.get(), level) ? 0 : kStatusLevel;
}

int LdAddCp::CreateFreshPlan(CpController* cpController, u8 level, std::unique_ptr<UnCfgdVdOnFreshPd>* plan)
{
    int defaultsStatus = 0;
    plan->reset(UnCfgdVdOnFreshPd::Create(raidManager_, &defaultsStatus));
    if (!*plan && defaultsStatus != 0)
        return ReportDefaultsUnreadable(defaultsStatus);
    if (!*plan) {
        PrintMessage(CommonMsg::kOperationFailed, AdapterNumberOf(cpController), "configuration");
        return kStatusSpans;
    }
    (*plan)->BuildUnconfiguredPdList();
    ArrayList<u8>* possibleList = nullptr;
    const int status = (*plan)->GetPossibleRaidLevels(&possibleList);
    if (status != 0)
        return status;
    const std::unique_ptr<ArrayList<u8>> possible(possibleList);
    if (!Contains(possible.get(), level))
        return kStatusLevel;
    (*plan)->SetRaidLevel(level);
    return 0;
}

int LdAddCp::PlanFreshSpans(CpController* cpController, CfgAddParsedObject* object, Adapter* adapter, u8 level,
                            UnCfgdVdOnFreshPd* plan, SpanLists* planSpans)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    const u8 perSpan = spanLists_->GetAt(0)->GetCount();
    u8 minimum = 0;
    u8 maximum = 0;
    int status = 0;
    if ((status = adapter->GetMinPdsPerArray(&minimum, level)) != 0 ||
        (status = adapter->GetMaxPdsPerArray(&maximum, level)) != 0)
        return status;
    if (perSpan < minimum || perSpan > maximum)
        return kStatusSpans;
    plan->SetPdPerSpan(perSpan);

    plan->GetSpanList() = planSpans;
    if ((status = FillPlanSpans(cpController, object, plan, planSpans)) != 0)
        return status;
    if (planSpans->GetCount() < spanLists_->GetCount()) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return kStatusSpans;
    }
    // Drives left out (not PI-eligible, or refused for a virtual drive of the tool's choosing)
    // must still leave equal spans within the level's limits.
    const unsigned built = planSpans->GetAt(0)->GetCount();
    for (unsigned s = 0; s < planSpans->GetCount(); ++s) {
        const unsigned count = planSpans->GetAt(static_cast<u8>(s))->GetCount();
        if (count != built || count < minimum || count > maximum) {
            if (drivesNamed_)
                PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
            return kStatusSpans;
        }
    }
    if (built != perSpan)
        plan->SetPdPerSpan(static_cast<u8>(built));
    return 0;
}

int LdAddCp::SetFreshPlanSettings(CpController* cpController, CfgAddParsedObject* object, Adapter* adapter,
                                  UnCfgdVdOnFreshPd* plan)
{
    int status = 0;
    if ((status = WaitForSpinUp(cpController, object, spanLists_.get())) != 0)
        return status;
    if ((status = SetGivenStripSize(object, plan)) != 0)
        return status;
    SetGivenPolicies(object, plan);
    if ((status = ApplySsdDriveCacheRule(adapter, oemMode_, plan)) != 0)
        return status;
    plan->SetEncryptionType(PlanEncryption(object->GetEncryptionType()));
    if ((status = SetSize(plan, object, 0)) != 0)
        return status;
    if (ApplyPowerSaving(cpController, object, plan) != 0)
        return -1;
    plan->SetPiType(object->IsEnblPI() != 0 ? UnConfiguredVd::kPiOn : 0);
    return 0;
}

int LdAddCp::AddVd(CpController* cpController, CfgAddParsedObject* object, VdId** vdId)
{
    *vdId = nullptr;
    Adapter* adapter = nullptr;
    if (raidManager_ == nullptr || raidManager_->GetAdapter(&adapter) != 0)
        return -1;
    const u8 level = raidlevel::CodeOfNumber(object->GetRaidLevel());
    int status = CheckFreshLevel(adapter, object, level);
    if (status != 0)
        return status;
    if (spanLists_ == nullptr || spanLists_->GetCount() == 0 || spanLists_->GetAt(0) == nullptr)
        return -1;
    std::unique_ptr<UnCfgdVdOnFreshPd> plan;
    if ((status = CreateFreshPlan(cpController, level, &plan)) != 0)
        return status;
    // The plan's span list and its inner lists (the plan frees neither).
    const OwnedList<ArrayList<PhysicalDevice*>> planSpans(new SpanLists(1));
    if ((status = PlanFreshSpans(cpController, object, adapter, level, plan.get(), planSpans.get())) != 0 ||
        (status = SetFreshPlanSettings(cpController, object, adapter, plan.get())) != 0)
        return status;

    status = raidManager_->AddCfgForNewVd(plan.get());
    plan->GetVdId(vdId);
    return ReportNewVd(cpController, object, status, *vdId);
}

int LdAddCp::CreateFreeSpacePlan(CpController* cpController, DiskGroup* dg, const ArraySpaceInfo* extent, u8 level,
                                 std::unique_ptr<UnCfgdVdOnFreeSpOnPd>* plan)
{
    int defaultsStatus = 0;
    plan->reset(UnCfgdVdOnFreeSpOnPd::Create(raidManager_, dg, &defaultsStatus));
    if (!*plan && defaultsStatus != 0)
        return ReportDefaultsUnreadable(defaultsStatus);
    if (!*plan) {
        PrintMessage(CommonMsg::kOperationFailed, AdapterNumberOf(cpController), "configuration");
        return kStatusNoExtent;
    }
    // The extent must be one the plan offers.
    ArrayList<ArraySpaceInfo*>* usableList = nullptr;
    const int listed = (*plan)->GetFreeSpaceList(&usableList);
    const OwnedList<ArraySpaceInfo> usable(usableList);
    if (listed != 0 || !usable)
        return kStatusNoExtent;
    bool among = false;
    for (unsigned i = 0; i < usable->GetCount() && !among; ++i)
        among = usable->GetAt(static_cast<u8>(i))->IsSameExtent(extent);
    if (!among)
        return kStatusNoExtent;

    ArrayList<u8>* possibleList = nullptr;
    const int status = (*plan)->GetPossibleRaidLevels(&possibleList);
    const std::unique_ptr<ArrayList<u8>> possible(status == 0 ? possibleList : nullptr);
    if (!Contains(possible.get(), level))
        return kStatusLevel;
    if ((*plan)->SetArraySpaceInfo(extent) != 0 || !(*plan)->CheckArraySpaceInfo())
        return kStatusNoExtent;
    return 0;
}

int LdAddCp::SetFreeSpacePlanSettings(CpController* cpController, CfgAddParsedObject* object, u8 level,
                                      u8 sizeIndex, UnCfgdVdOnFreeSpOnPd* plan)
{
    u8 groupEncryption = 0;
    plan->GetEncryptionType(&groupEncryption);
    if (PlanEncryption(object->GetEncryptionType()) != groupEncryption) {
        PrintMessage(CfgMsg::kEncryptionMismatch);
        return -1;
    }
    if (ApplyPowerSaving(cpController, object, plan) != 0)
        return -1;
    plan->SetRaidLevel(level);
    plan->SetPiType(object->IsEnblPI() != 0 ? UnConfiguredVd::kPiOn : 0);
    int status = 0;
    if ((status = SetGivenStripSize(object, plan)) != 0 || (status = SetSize(plan, object, sizeIndex)) != 0)
        return status;
    SetGivenPolicies(object, plan);
    Adapter* adapter = nullptr;
    if (raidManager_->GetAdapter(&adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, AdapterNumberOf(cpController));
        return -1;
    }
    return ApplySsdDriveCacheRule(adapter, oemMode_, plan);
}

int LdAddCp::AddVdOnFreeSpace(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg, VdId** vdId,
                              u8 sizeIndex, u8 afterTargetId)
{
    *vdId = nullptr;
    if (dg == nullptr || raidManager_ == nullptr)
        return -1;
    const u8 level = raidlevel::CodeOfNumber(object->GetRaidLevel());
    std::unique_ptr<ArraySpaceInfo> extent;
    int status = ChooseFreeSpaceExtent(dg, afterTargetId, &extent);
    if (status != 0)
        return status;
    std::unique_ptr<UnCfgdVdOnFreeSpOnPd> plan;
    if ((status = CreateFreeSpacePlan(cpController, dg, extent.get(), level, &plan)) != 0 ||
        (status = SetFreeSpacePlanSettings(cpController, object, level, sizeIndex, plan.get())) != 0)
        return status;

    status = raidManager_->AddCfgForFreeSpaceVd(plan.get());
    // The id also when only the operating system was not told: the drive exists.
    if (status == 0 || status == RaidManager::kStatusOsNotTold)
        plan->GetVdId(vdId);
    return ReportNewVd(cpController, object, status, *vdId);
}

int LdAddCp::ReportNewVd(CpController* cpController, CfgAddParsedObject* object, int status, VdId* vdId)
{
    if (vdId == nullptr)
        return status;
    if (status == 0)
        PrintMessage(CfgMsg::kCreatedVd, AdapterNumberOf(cpController), vdId->GetTargetId());
    if ((status == 0 || status == RaidManager::kStatusOsNotTold) && object->GetUseCache() == 1 &&
        AssociateVdToCache(cpController, vdId->GetTargetId(), object, raidManager_) != 0)
        return kStatusAssociationFailed;
    return status;
}
