#include "CpMgmt/CmdPro/LdAddCp.h"

#include <memory>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "raidmodel/ids/VdId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdAddCp> kRegisterLdAddCp{TOKEN_CFGLDADD, TOKEN_CFGSPANADD};


constexpr int kStatusUnequalGroups = 9;
constexpr int kStatusNoSlicing = 3;
constexpr int kStatusNoVdArray = 3;
// Without -Force: more than 16 virtual drives in the disk group.
constexpr int kStatusOver16VdsRefused = 3;

// Command statuses of the drive-list check's statuses 1 to 12.
constexpr int kSpanCheckStatus[13] = {0, 11, 38, 3, 3, 3, 3, 3, 3, 9, 3, 3, 3};

// A drive whose state cannot be read is kept out as a shielded one.
bool IsShielded(PhysicalDevice* pd)
{
    u16 state = 0;
    return pd->GetFwState(&state) != 0 || state == PhysicalDevice::kStateShielded ||
           state == PhysicalDevice::kStateShieldedUnconfigured || state == PhysicalDevice::kStateShieldedHotSpare;
}


}  // namespace

bool LdAddCp::Created(int status)
{
    return status == 0 || status == RaidManager::kStatusOsNotTold || status == kStatusAssociationFailed;
}

int LdAddCp::StatusAfterCreated(int status)
{
    if (status == RaidManager::kStatusOsNotTold)
        PrintMessage(CommonMsg::kOsUpdateFailed);
    else if (status == kStatusAssociationFailed)
        return -1;
    return status;
}

int LdAddCp::OpenAdapter(CpController* cpController, Adapter** adapter)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    raidManager_ = RaidManager::GetRaidManager(cpController->GetController());
    if (raidManager_ == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapterNumber);
        return -1;
    }
    raidManager_->Refresh();
    if (raidManager_->GetAdapter(adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    return 0;
}

int LdAddCp::CheckVdPossible(u8 adapterNumber)
{
    u8 possible = 0;
    u8 notPiEligible = 0;
    const int status = raidManager_->CanCreateVd(&possible, &notPiEligible);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return status;
    }
    if (possible == 0) {
        PrintMessage(CfgMsg::kCfgNotPossible, adapterNumber);
        return fwstatus::kNotEnoughDrives;
    }
    return 0;
}

int LdAddCp::SpanCheckFailure(CpController* cpController, int status)
{
    if (status >= 1 && status <= 12) {
        PrintMessage(CfgMsg::kSpanCheckBase + static_cast<u32>(status));
        return kSpanCheckStatus[status];
    }
    // A status the table does not know is passed through.
    PrintMessage(CfgMsg::kConfigureFailed, AdapterNumberOf(cpController));
    return status;
}

int LdAddCp::ProcessParsed(CpController* cpController, CfgAddParsedObject* object)
{
    lastGroupAllSsd_ = 0;
    Adapter* adapter = nullptr;
    int status = OpenAdapter(cpController, &adapter);
    if (status != 0)
        return status;
    if ((status = CheckAdapterRules(cpController, object, adapter)) != 0)
        return status;
    DiskGroup* dg = nullptr;
    if ((status = PlanFirstSpans(cpController, object, &dg)) != 0)
        return status;
    return WriteVds(cpController, object, dg);
}

int LdAddCp::CheckAdapterRules(CpController* cpController, CfgAddParsedObject* object, Adapter* adapter)
{
    if (ReadOemModeForEncryption(adapter, object->GetEncryptionType()) != 0)
        return -1;
    int status = CheckPiSupport(adapter, object->IsEnblPI());
    if (status != 0)
        return status;
    const DriveGroupList* groups = object->GetDriveGroups();
    const unsigned groupCount = groups != nullptr ? groups->GetCount() : 0;
    if (object->GetRaidLevel() > kHighestPlainLevel && groupCount < 2) {
        PrintMessage(CfgMsg::kTwoArraysNeeded);
        return kStatusTwoArraysNeeded;
    }
    const SizeList* sizes = object->GetSizeList();
    const unsigned sizeCount = sizes != nullptr ? sizes->GetCount() : 0;
    if (sizeCount > 0 && groupCount > 1) {
        u8 slicing = 0;
        if (adapter->IsSpannedArraySlicingSupported(&slicing) != 0 || slicing == 0) {
            PrintMessage(CfgMsg::kNoSpannedSlicing, AdapterNumberOf(cpController));
            return kStatusNoSlicing;
        }
    }
    return 0;
}

int LdAddCp::BuildSpansOrReport(CpController* cpController, CfgAddParsedObject* object)
{
    const int status = BuildSpanPdLists(cpController, object);
    if (status != 0)
        PrintMessage(CfgMsg::kConfigureFailed, AdapterNumberOf(cpController));
    return status;
}

int LdAddCp::CheckSpans(CpController* cpController, DiskGroup** dg)
{
    const int status = raidManager_->CheckSpanPdLists(spanLists_.get(), dg);
    return status != 0 ? SpanCheckFailure(cpController, status) : 0;
}

int LdAddCp::PlanFirstSpans(CpController* cpController, CfgAddParsedObject* object, DiskGroup** dg)
{
    const int status = BuildSpansOrReport(cpController, object);
    if (status != 0)
        return status;
    const u8 psPolicy = object->GetPsPolicy();
    if (lastGroupAllSsd_ != 0 && (psPolicy == vdrec::kPsMaximum || psPolicy == vdrec::kPsMaximumWithoutCaching)) {
        PrintMessage(CommonMsg::kText, "Invalid power savings level input.\n");
        return -1;
    }
    return CheckSpans(cpController, dg);
}

int LdAddCp::ReplanSpans(CpController* cpController, CfgAddParsedObject* object, VdId* previousId,
                         u8* afterTargetId, DiskGroup** dg)
{
    raidManager_->Refresh();
    VirtualDisk* previous = nullptr;
    if (previousId != nullptr && *afterTargetId != CfgParsedObject::kNotGiven &&
        raidManager_->GetVd(previousId, &previous) == 0 && previous != nullptr)
        *afterTargetId = previous->GetId()->GetTargetId();
    const int status = BuildSpansOrReport(cpController, object);
    return status != 0 ? status : CheckSpans(cpController, dg);
}

int LdAddCp::CheckDiskGroupTakesVd(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    u8 possible = 0;
    const int check = raidManager_->CanCreateVdOnDiskGroup(dg, &possible);
    if (check == RaidManager::kStatus16VdsPerDg && object->GetForce() == 0) {
        PrintMessage(CfgMsg::kNot16VdCompatible, adapterNumber);
        return kStatusOver16VdsRefused;
    }
    if (check == RaidManager::kStatusVdLimit)
        return check;
    if (check != 0 && check != RaidManager::kStatus16VdsPerDg) {
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return check;
    }
    if (possible == 0) {
        PrintMessage(CfgMsg::kCfgNotPossible, adapterNumber);
        return fwstatus::kNotEnoughDrives;
    }
    return 0;
}

bool LdAddCp::SettleNewVd(CpController* cpController, CfgAddParsedObject* object, bool first, VdId* vdId,
                          int* status)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    if (!Created(*status)) {
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return false;
    }
    *status = StatusAfterCreated(*status);
    const DriveEntryList* hotSpares = object->GetHspList();
    if (!first || hotSpares == nullptr || hotSpares->GetCount() == 0)
        return true;
    *status = AddDedicatedHotSpares(cpController, hotSpares, vdId);
    if (*status == 0)
        return true;
    PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
    return false;
}

int LdAddCp::WriteVds(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    const SizeList* sizes = object->GetSizeList();
    const unsigned vdCount = sizes != nullptr && sizes->GetCount() > 0 ? sizes->GetCount() : 1;
    u8 afterTargetId = object->GetAfterLd();
    // The id of the virtual drive written last.
    std::unique_ptr<VdId> savedVdId;
    unsigned index = 0;
    int status = 0;

    if (dg == nullptr) {
        if ((status = CheckVdPossible(adapterNumber)) != 0)
            return status;
        VdId* created = nullptr;
        status = AddVd(cpController, object, &created);
        savedVdId.reset(created);
        if (!SettleNewVd(cpController, object, true, savedVdId.get(), &status))
            return status;
        index = 1;
    }
    for (; index < vdCount; ++index) {
        if (index > 0 && (status = ReplanSpans(cpController, object, savedVdId.get(), &afterTargetId, &dg)) != 0)
            return status;
        if ((status = CheckDiskGroupTakesVd(cpController, object, dg)) != 0)
            return status;
        savedVdId.reset();
        VdId* created = nullptr;
        status = AddVdOnFreeSpace(cpController, object, dg, &created, static_cast<u8>(index), afterTargetId);
        savedVdId.reset(created);
        if (!SettleNewVd(cpController, object, index == 0, savedVdId.get(), &status))
            return status;
    }

    if (status == 0)
        PrintMessage(CfgMsg::kConfigured, adapterNumber);
    return status;
}

int LdAddCp::BuildSpanPdLists(CpController* cpController, CfgAddParsedObject* object)
{
    if (object == nullptr) {
        ReportParsedObjectCastFailure(cpController, "CfgSpanAddParsedObject *");
        return -1;
    }
    spanLists_.reset();
    anySsd_ = 0;
    lastGroupAllSsd_ = 0;
    const DriveGroupList* groups = object->GetDriveGroups();
    if (groups == nullptr || raidManager_ == nullptr)
        return -1;
    spanLists_.reset(new SpanLists(4));

    unsigned previousAccepted = 0;
    for (unsigned g = 0; g < groups->GetCount(); ++g) {
        const DriveEntryList* group = groups->GetAt(static_cast<u8>(g));
        auto newDrives = std::make_unique<ArrayList<PhysicalDevice*>>(4);
        if (spanLists_->Add(newDrives.get()) != 0) {
            PrintMessage(CommonMsg::kNoMemory, "Pd List");
            return -1;
        }
        ArrayList<PhysicalDevice*>* drives = newDrives.release();  // the span lists own it
        const unsigned named = group != nullptr ? group->GetCount() : 0;
        if (g > 0 && named != previousAccepted)
            return kStatusUnequalGroups;

        unsigned ssdCount = 0;
        u16 stoppedEnclosure = 0;
        u8 stoppedSlot = 0;
        for (unsigned i = 0; i < named; ++i) {
            const PdIdListObject* entry = group->GetAt(static_cast<u8>(i));
            u16 enclosureId = entry->GetEnclId();
            int status = ResolveEnclosureId(cpController, &enclosureId);
            if (status != 0)
                return status;
            PhysicalDevice* pd = raidManager_->GetPdByEnclSlot(EnclSlotId(enclosureId, entry->GetSlot()));
            if (pd == nullptr) {
                stoppedEnclosure = enclosureId;
                stoppedSlot = entry->GetSlot();
                break;
            }
            // A drive whose media cannot be read would be planned as a hard disk.
            u8 media = 0;
            if ((status = pd->GetMediaType(&media)) != 0) {
                PrintMessage(CommonMsg::kOperationFailed, AdapterNumberOf(cpController), "configuration");
                return status;
            }
            if (media == pdrec::kMediaSsd)
                ++ssdCount;
            if (IsShielded(pd)) {
                PrintMessage(CommonMsg::kText, "Cannot create configuration with disks in Shielded state. \n");
                return -1;
            }
            drives->Add(pd);
        }
        if (drives->GetCount() < named) {
            PrintMessage(CfgMsg::kNotDisk, EnclosureIdText(stoppedEnclosure), stoppedSlot);
            return fwstatus::kDeviceNotFound;
        }
        if (ssdCount > 0)
            anySsd_ = 1;
        lastGroupAllSsd_ = drives->GetCount() > 0 && ssdCount == drives->GetCount() ? 1 : 0;
        previousAccepted = drives->GetCount();
    }
    return 0;
}

int LdAddCp::GetVdArrays(VdId* vdId, std::unique_ptr<ArrayList<Array*>>* arrays)
{
    VirtualDisk* vd = nullptr;
    int status = raidManager_->GetVd(vdId, &vd);
    if (status != 0)
        return status;
    if (vd == nullptr)
        return kStatusNoVdArray;
    List<Span*>* spans = nullptr;
    if ((status = vd->GetSpanList(&spans)) != 0)
        return status;
    if (spans == nullptr)
        return kStatusNoVdArray;
    auto list = std::make_unique<ArrayList<Array*>>(4);
    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        Array* array = nullptr;
        Span* span = spans->GetAt(static_cast<u8>(s));
        if (span == nullptr || span->GetArray(&array) != 0 || array == nullptr)
            return kStatusNoVdArray;
        list->Add(array);
    }
    *arrays = std::move(list);
    return 0;
}

int LdAddCp::AddDedicatedHotSpares(CpController* cpController, const DriveEntryList* hotSpares, VdId* vdId)
{
    if (hotSpares == nullptr || hotSpares->GetCount() == 0)
        return 0;
    const u8 adapterNumber = AdapterNumberOf(cpController);
    raidManager_->Refresh();

    std::unique_ptr<ArrayList<Array*>> arrays;
    if (vdId != nullptr) {
        const int status = GetVdArrays(vdId, &arrays);
        if (status != 0)
            return status;
    }

    int status = 0;
    for (unsigned i = 0; i < hotSpares->GetCount(); ++i) {
        const PdIdListObject* entry = hotSpares->GetAt(static_cast<u8>(i));
        u16 enclosureId = entry->GetEnclId();
        const u8 slot = entry->GetSlot();
        if ((status = ResolveEnclosureId(cpController, &enclosureId)) != 0)
            break;
        PhysicalDevice* pd = raidManager_->GetPdByEnclSlot(EnclSlotId(enclosureId, slot));
        if (pd == nullptr) {
            PrintMessage(CommonMsg::kLineEnd);
            PrintMessage(CommonMsg::kLineEnd);
            PrintMessage(CommonMsg::kPdNotFound, adapterNumber, EnclosureIdText(enclosureId), slot);
            PrintMessage(PdMsg::kHotSpareResult, adapterNumber, "Set", EnclosureIdText(enclosureId), slot, "Failed");
            // A hot spare that could not be made is a failure of the command.
            status = fwstatus::kDeviceNotFound;
            break;
        }
        if (IsShielded(pd)) {
            PrintMessage(CommonMsg::kText, "Cannot set a disk in Shielded state as hotspare.\n");
            status = -1;
            break;
        }
        status = pd->MakeHsp(arrays.get(), 1, 0);
        PrintMessage(PdMsg::kHotSpareResult, adapterNumber, "Set", EnclosureIdText(enclosureId), slot,
                     status == 0 ? "Success" : "Failed");
        if (status != 0)
            break;
    }
    return status;
}
