#include "CpMgmt/CmdPro/LdAddCp.h"

#include <memory>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "controller/FwiDpErrors.h"
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

LdAddCp::~LdAddCp() { DeleteSpanLists(); }

void LdAddCp::DeleteSpanLists()
{
    if (spanLists_ == nullptr)
        return;
    DeleteElements(*spanLists_);
    delete spanLists_;
    spanLists_ = nullptr;
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
    const u8 adapterNumber = AdapterNumberOf(cpController);
    lastGroupAllSsd_ = 0;
    raidManager_ = RaidManager::GetRaidManager(cpController->GetController());
    if (raidManager_ == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapterNumber);
        return -1;
    }
    raidManager_->Refresh();
    Adapter* adapter = nullptr;
    if (raidManager_->GetAdapter(&adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }

    {
        // Without the OEM block the mode keeps its starting value.
        FwiDpErrors::KeepLast keep;
        adapter->GetOemMode(&oemMode_);
    }
    if (CheckEncryptionForOem(object->GetEncryptionType(), oemMode_) != 0)
        return -1;
    u8 piSupported = 0;
    int status = adapter->IsPiSupported(&piSupported);
    if (status != 0)
        return status;
    if (object->IsEnblPI() != 0 && piSupported == 0) {
        PrintMessage(CommonMsg::kText, "Adapter Doesn't support PI\n");
        return -1;
    }

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
            PrintMessage(CfgMsg::kNoSpannedSlicing, adapterNumber);
            return kStatusNoSlicing;
        }
    }

    if ((status = BuildSpanPdLists(cpController, object)) != 0) {
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return status;
    }
    const u8 psPolicy = object->GetPsPolicy();
    if (lastGroupAllSsd_ != 0 && (psPolicy == vdrec::kPsMaximum || psPolicy == vdrec::kPsMaximumWithoutCaching)) {
        PrintMessage(CommonMsg::kText, "Invalid power savings level input.\n");
        return -1;
    }
    DiskGroup* dg = nullptr;
    if ((status = raidManager_->CheckSpanPdLists(spanLists_, &dg)) != 0)
        return SpanCheckFailure(cpController, status);

    const unsigned vdCount = sizeCount > 0 ? sizeCount : 1;
    u8 afterTargetId = object->GetAfterLd();
    unsigned index = 0;
    VdId* savedVdId = nullptr;
    const DriveEntryList* hotSpares = object->GetHspList();
    const bool withHotSpares = hotSpares != nullptr && hotSpares->GetCount() > 0;

    if (dg == nullptr) {
        if ((status = CheckVdPossible(adapterNumber)) != 0)
            return status;
        status = AddVd(cpController, object, &savedVdId);
        if (!Created(status)) {
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
            delete savedVdId;
            return status;
        }
        if (status == RaidManager::kStatusOsNotTold)
            PrintMessage(CommonMsg::kOsUpdateFailed);
        else if (status == kStatusAssociationFailed)
            status = -1;
        index = 1;
        if (withHotSpares) {
            status = AddDedicatedHotSpares(cpController, hotSpares, savedVdId);
            if (status != 0) {
                PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
                delete savedVdId;
                return status;
            }
        }
    }

    while (index < vdCount) {
        if (index > 0) {
            raidManager_->Refresh();
            VirtualDisk* previous = nullptr;
            if (savedVdId != nullptr && afterTargetId != CfgParsedObject::kNotGiven &&
                raidManager_->GetVd(savedVdId, &previous) == 0 && previous != nullptr)
                afterTargetId = previous->GetId()->GetTargetId();
            int rebuilt = BuildSpanPdLists(cpController, object);
            if (rebuilt != 0) {
                PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
                delete savedVdId;
                return rebuilt;
            }
            if ((rebuilt = raidManager_->CheckSpanPdLists(spanLists_, &dg)) != 0) {
                delete savedVdId;
                return SpanCheckFailure(cpController, rebuilt);
            }
        }

        u8 possible = 0;
        int check = raidManager_->CanCreateVdOnDiskGroup(dg, &possible);
        if (check == RaidManager::kStatus16VdsPerDg && object->GetForce() == 0) {
            PrintMessage(CfgMsg::kNot16VdCompatible, adapterNumber);
            delete savedVdId;
            return 3;
        }
        if (check == RaidManager::kStatusVdLimit) {
            delete savedVdId;
            return check;
        }
        if (check != 0 && check != RaidManager::kStatus16VdsPerDg) {
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
            delete savedVdId;
            return check;
        }
        if (possible == 0) {
            PrintMessage(CfgMsg::kCfgNotPossible, adapterNumber);
            delete savedVdId;
            return fwstatus::kNotEnoughDrives;
        }

        delete savedVdId;
        savedVdId = nullptr;
        status = AddVdOnFreeSpace(cpController, object, dg, &savedVdId, static_cast<u8>(index), afterTargetId);
        if (!Created(status)) {
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
            delete savedVdId;
            return status;
        }
        if (status == RaidManager::kStatusOsNotTold)
            PrintMessage(CommonMsg::kOsUpdateFailed);
        else if (status == kStatusAssociationFailed)
            status = -1;
        if (index == 0 && withHotSpares) {
            status = AddDedicatedHotSpares(cpController, hotSpares, savedVdId);
            if (status != 0) {
                PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
                delete savedVdId;
                return status;
            }
        }
        ++index;
    }

    if (status == 0)
        PrintMessage(CfgMsg::kConfigured, adapterNumber);
    delete savedVdId;
    return status;
}

int LdAddCp::BuildSpanPdLists(CpController* cpController, CfgAddParsedObject* object)
{
    if (object == nullptr) {
        ReportParsedObjectCastFailure(cpController, "CfgSpanAddParsedObject *");
        return -1;
    }
    DeleteSpanLists();
    anySsd_ = 0;
    lastGroupAllSsd_ = 0;
    const DriveGroupList* groups = object->GetDriveGroups();
    if (groups == nullptr || raidManager_ == nullptr)
        return -1;
    spanLists_ = new SpanLists(4);

    unsigned previousAccepted = 0;
    for (unsigned g = 0; g < groups->GetCount(); ++g) {
        const DriveEntryList* group = groups->GetAt(static_cast<u8>(g));
        auto* drives = new ArrayList<PhysicalDevice*>(4);
        if (spanLists_->Add(drives) != 0) {
            delete drives;
            PrintMessage(CommonMsg::kNoMemory, "Pd List");
            return -1;
        }
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
