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

// Sets the policies of the command that are given.
void SetPolicies(const CfgAddParsedObject* object, UnConfiguredVd* plan)
{
    u8 value = 0;
    if (ConfigurationCp::GetWritePolicy(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetWritePolicy(value);
    if (ConfigurationCp::GetReadPolicy(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetReadPolicy(value);
    if (ConfigurationCp::GetIoPolicy(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetIoPolicy(value);
    if (ConfigurationCp::GetCachedBadBbu(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetCachedBadBbu(value);
}

// Sets the strip size when one was requested: 0, or 3 for a size that is not a power of two.
int SetStripSize(const CfgAddParsedObject* object, UnConfiguredVd* plan)
{
    u8 code = ConfigurationCp::kNoStripCode;
    const int status = ConfigurationCp::stripSizeToLog2(object, &code);
    if (status != 0)
        return status;
    if (code != ConfigurationCp::kNoStripCode)
        plan->SetStripSize(code);
    return 0;
}

// Sets the size requested (or the capacity for none or 0), then the size the plan really uses.
int SetSize(UnConfiguredVd* plan, u64 capacity, u64 requested)
{
    if (requested > capacity)
        return kStatusTooLarge;
    plan->SetSize(requested != 0 ? requested : capacity);
    u64 used = 0;
    int status = plan->GetVdSize(&used);
    if (status != 0)
        return status;
    plan->SetSize(used);
    return 0;
}

}  // namespace

int LdAddCp::FillPlanSpans(CpController* cpController, CfgAddParsedObject* object, UnCfgdVdOnFreshPd* plan,
                           SpanLists* planSpans)
{
    const u8 encryption = PlanEncryption(object->GetEncryptionType());
    for (unsigned s = 0; s < spanLists_->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* named = spanLists_->GetAt(static_cast<u8>(s));
        const unsigned namedCount = named != nullptr ? named->GetCount() : 0;
        auto* drives = new ArrayList<PhysicalDevice*>(namedCount > 0 ? static_cast<u8>(namedCount) : 1);
        // The list joins the plan first, so that the plan sees the span's drives while it is
        // filled.
        if (planSpans->Add(drives) != 0) {
            delete drives;
            break;
        }
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

int LdAddCp::AddVd(CpController* cpController, CfgAddParsedObject* object, VdId** vdId)
{
    *vdId = nullptr;
    const u8 adapterNumber = AdapterNumberOf(cpController);
    Adapter* adapter = nullptr;
    if (raidManager_ == nullptr || raidManager_->GetAdapter(&adapter) != 0)
        return -1;
    ArrayList<u8>* supportedList = nullptr;
    int status = adapter->GetSupportedRaidLevels(&supportedList);
    std::unique_ptr<ArrayList<u8>> supported(status == 0 ? supportedList : nullptr);
    u8 piSupported = 0;
    if ((status = adapter->IsPiSupported(&piSupported)) != 0)
        return status;
    if (object->IsEnblPI() != 0 && piSupported == 0) {
        PrintMessage(CommonMsg::kText, "Adapter Doesn't support PI\n");
        return -1;
    }
    if (!supported)
        return kStatusLevel;
    const u8 level = raidlevel::CodeOfNumber(object->GetRaidLevel());
    if (!Contains(supported.get(), level))
        return kStatusLevel;

    if (spanLists_ == nullptr || spanLists_->GetCount() == 0 || spanLists_->GetAt(0) == nullptr)
        return -1;
    const u8 perSpan = spanLists_->GetAt(0)->GetCount();
    int defaultsStatus = 0;
    std::unique_ptr<UnCfgdVdOnFreshPd> plan(UnCfgdVdOnFreshPd::Create(raidManager_, &defaultsStatus));
    if (!plan && defaultsStatus != 0)
        return ReportDefaultsUnreadable(defaultsStatus);
    if (!plan) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return kStatusSpans;
    }
    plan->BuildUnconfiguredPdList();
    ArrayList<u8>* possibleList = nullptr;
    if ((status = plan->GetPossibleRaidLevels(&possibleList)) != 0)
        return status;
    std::unique_ptr<ArrayList<u8>> possible(possibleList);
    if (!Contains(possible.get(), level))
        return kStatusLevel;

    plan->SetRaidLevel(level);
    u8 minimum = 0;
    u8 maximum = 0;
    if ((status = adapter->GetMinPdsPerArray(&minimum, level)) != 0 ||
        (status = adapter->GetMaxPdsPerArray(&maximum, level)) != 0)
        return status;
    if (perSpan < minimum || perSpan > maximum)
        return kStatusSpans;
    plan->SetPdPerSpan(perSpan);

    // The plan's span list and its inner lists (the plan frees neither).
    const OwnedList<ArrayList<PhysicalDevice*>> planSpans(new SpanLists(1));
    plan->GetSpanList() = planSpans.get();
    if ((status = FillPlanSpans(cpController, object, plan.get(), planSpans.get())) != 0)
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

    if ((status = WaitForSpinUp(cpController, object, spanLists_)) != 0)
        return status;
    if ((status = SetStripSize(object, plan.get())) != 0)
        return status;
    SetPolicies(object, plan.get());
    if ((status = ApplySsdDriveCacheRule(adapter, oemMode_, plan.get())) != 0)
        return status;
    plan->SetEncryptionType(PlanEncryption(object->GetEncryptionType()));

    u64 capacity = 0;
    if ((status = plan->ComputeCapacity(&capacity)) != 0)
        return status;
    const SizeList* sizes = object->GetSizeList();
    const u64 requested = sizes != nullptr && sizes->GetCount() > 0 ? *sizes->GetAt(0) : 0;
    if ((status = SetSize(plan.get(), capacity, requested)) != 0)
        return status;
    if (ApplyPowerSaving(cpController, object, plan.get()) != 0)
        return -1;
    plan->SetPiType(object->IsEnblPI() != 0 ? UnConfiguredVd::kPiOn : 0);

    status = raidManager_->AddCfgForNewVd(plan.get());
    plan->GetVdId(vdId);
    return ReportNewVd(cpController, object, status, *vdId);
}

int LdAddCp::AddVdOnFreeSpace(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg, VdId** vdId,
                              u8 sizeIndex, u8 afterTargetId)
{
    *vdId = nullptr;
    const u8 adapterNumber = AdapterNumberOf(cpController);
    if (dg == nullptr || raidManager_ == nullptr)
        return -1;
    List<Array*>* arrays = nullptr;
    int status = dg->GetArrayList(&arrays);
    if (status != 0)
        return status;
    if (arrays == nullptr)
        return kStatusNoExtent;
    Array* first = arrays->GetAt(0);
    if (first == nullptr)
        return -1;
    const u8 level = raidlevel::CodeOfNumber(object->GetRaidLevel());

    // The extent: the first free one, or the one right after the named virtual drive.
    ArrayList<ArraySpaceInfo*>* extents = nullptr;
    if ((status = first->GetSpaceInfoList(&extents)) != 0)
        return status;
    if (extents == nullptr)
        return kStatusNoExtent;
    std::unique_ptr<ArrayList<ArraySpaceInfo*>, int (*)(ArrayList<ArraySpaceInfo*>*)> extentsOwner(
        extents, &ConfigurationCp::FreeSpaceInfoList);
    const ArraySpaceInfo* chosen = nullptr;
    for (unsigned i = 0; i < extents->GetCount() && chosen == nullptr; ++i) {
        const ArraySpaceInfo* extent = extents->GetAt(static_cast<u8>(i));
        if (afterTargetId == CfgParsedObject::kNotGiven) {
            if (extent->IsFree())
                chosen = extent;
        } else if (!extent->IsFree() && extent->GetVd()->GetId()->GetTargetId() == afterTargetId) {
            const ArraySpaceInfo* next = extents->GetAt(static_cast<u8>(i + 1));
            if (next == nullptr || !next->IsFree())
                return kStatusNoExtent;
            chosen = next;
        }
    }
    if (chosen == nullptr)
        return kStatusNoExtent;

    int defaultsStatus = 0;
    std::unique_ptr<UnCfgdVdOnFreeSpOnPd> plan(UnCfgdVdOnFreeSpOnPd::Create(raidManager_, dg, &defaultsStatus));
    if (!plan && defaultsStatus != 0)
        return ReportDefaultsUnreadable(defaultsStatus);
    if (!plan) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return kStatusNoExtent;
    }
    ArrayList<ArraySpaceInfo*>* usableList = nullptr;
    if (plan->GetFreeSpaceList(&usableList) != 0 || usableList == nullptr) {
        DeleteList(usableList);
        return kStatusNoExtent;
    }
    bool among = false;
    for (unsigned i = 0; i < usableList->GetCount() && !among; ++i)
        among = usableList->GetAt(static_cast<u8>(i))->IsSameExtent(chosen);
    DeleteList(usableList);
    if (!among)
        return kStatusNoExtent;

    ArrayList<u8>* possibleList = nullptr;
    status = plan->GetPossibleRaidLevels(&possibleList);
    std::unique_ptr<ArrayList<u8>> possible(status == 0 ? possibleList : nullptr);
    if (!Contains(possible.get(), level))
        return kStatusLevel;
    if (plan->SetArraySpaceInfo(chosen) != 0 || !plan->CheckArraySpaceInfo())
        return kStatusNoExtent;

    u8 groupEncryption = 0;
    plan->GetEncryptionType(&groupEncryption);
    if (PlanEncryption(object->GetEncryptionType()) != groupEncryption) {
        PrintMessage(CfgMsg::kEncryptionMismatch);
        return -1;
    }
    if (ApplyPowerSaving(cpController, object, plan.get()) != 0)
        return -1;
    plan->SetRaidLevel(level);
    plan->SetPiType(object->IsEnblPI() != 0 ? UnConfiguredVd::kPiOn : 0);
    if ((status = SetStripSize(object, plan.get())) != 0)
        return status;

    u64 capacity = 0;
    if ((status = plan->ComputeCapacity(&capacity)) != 0)
        return status;
    const SizeList* sizes = object->GetSizeList();
    const u64 requested = sizes != nullptr && sizeIndex < sizes->GetCount() ? *sizes->GetAt(sizeIndex) : 0;
    if ((status = SetSize(plan.get(), capacity, requested)) != 0)
        return status;

    SetPolicies(object, plan.get());
    Adapter* adapter = nullptr;
    if (raidManager_->GetAdapter(&adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    if ((status = ApplySsdDriveCacheRule(adapter, oemMode_, plan.get())) != 0)
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
