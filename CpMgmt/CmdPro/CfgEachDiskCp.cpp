#include "CpMgmt/CmdPro/CfgEachDiskCp.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/VdRecord.h"
#include "parsers/CfgAddParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"
#include "raidmodel/ids/VdId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<CfgEachDiskCp> kRegisterCfgEachDiskCp{TOKEN_CFGEACHDSKRAID0};

constexpr int kStatusRefused = 38;
// Every drive tried counts; a controller that keeps a configured drive unassigned cannot hold
// the command longer than this.
constexpr unsigned kMaxAttempts = 4096;

// Formats and prints a text that has no message of its own.
template <typename... Args>
void PrintEachDiskText(const char* format, Args... args)
{
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    CtPrintString(string(text));
}

void PrintEachDiskDriveReadFailure(u8 adapterNumber, PhysicalDevice* pd)
{
    u16 enclosureId = 0;
    u8 slot = 0;
    pd->GetEnclDeviceId(&enclosureId);
    pd->GetSlotNumber(&slot);
    PrintDriveReadFailure(adapterNumber, enclosureId, slot);
}

// A drive still to be tried, by its device id (the elements of a snapshot go with it).
struct EachDiskCandidate {
    u16 deviceId;
    u16 enclosureId;
    u8 slot;
};

std::vector<EachDiskCandidate> EachDiskCandidates(List<PhysicalDevice*>* pds, PhysicalDevice* configured)
{
    std::vector<EachDiskCandidate> left;
    for (unsigned i = 0; pds != nullptr && i < pds->GetCount(); ++i) {
        PhysicalDevice* pd = pds->GetAt(static_cast<u8>(i));
        if (pd == nullptr || pd == configured)
            continue;
        EachDiskCandidate candidate{};
        pd->GetDeviceId(&candidate.deviceId);
        pd->GetEnclDeviceId(&candidate.enclosureId);
        pd->GetSlotNumber(&candidate.slot);
        left.push_back(candidate);
    }
    return left;
}

// The unassigned drives could not be listed again: names the first drive still to be tried whose
// information cannot be read, or, when each can be read now, says that the list could not be had.
void ReportUnlistedDrive(RaidManager* manager, u8 adapterNumber, const std::vector<EachDiskCandidate>& left)
{
    for (const EachDiskCandidate& candidate : left) {
        PhysicalDevice* pd = manager->GetPdByDeviceId(candidate.deviceId);
        u16 state = 0;
        if (pd != nullptr && pd->GetFwState(&state) != 0) {
            PrintDriveReadFailure(adapterNumber, candidate.enclosureId, candidate.slot);
            return;
        }
    }
    PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "to get unconfig pd list");
}

}  // namespace

int CfgEachDiskCp::ProcessParsed(CpController* cpController, CfgAddParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManager::GetRaidManager(cpController->GetController());
    if (manager == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapterNumber);
        return -1;
    }
    if (manager->Refresh() != 0)
        return -1;
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    if (ReadOemModeForEncryption(adapter, object->GetEncryptionType()) != 0)
        return -1;
    reads_ = ReportStatus();
    List<PhysicalDevice*>* pds = nullptr;
    const int status = ListDrives(cpController, object, manager, adapter, &pds);
    return status != 0 ? status : ConfigureDrives(cpController, object, manager, pds);
}

int CfgEachDiskCp::ListDrives(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager,
                              Adapter* adapter, List<PhysicalDevice*>** pds)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    int status = manager->GetUnassignedPdList(pds);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "to get unconfig pd list");
        return status;
    }
    if (*pds == nullptr) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "creating pdListPtr");
        return fwstatus::kDeviceNotFound;
    }
    if ((*pds)->GetCount() == 0) {
        PrintEachDiskText("\nThere is no configurable physical drive available on adapter %d.\n", adapterNumber);
        return fwstatus::kDeviceNotFound;
    }
    u8 possible = 0;
    u8 notPiEligible = 0;
    if ((status = manager->CanCreateVd(&possible, &notPiEligible)) != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return status;
    }
    if (possible == 0) {
        PrintEachDiskText("\nConfiguration is currently not possible on adapter %d.\n", adapterNumber);
        return fwstatus::kNotEnoughDrives;
    }
    return CheckPiSupport(adapter, object->IsEnblPI());
}

int CfgEachDiskCp::ConfigureDrives(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager,
                                   List<PhysicalDevice*>* pds)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    // Every drive is tried; the first one refused or not configured decides the command's status
    // (a drive configured after it does not hide it), else the first read that failed.
    int result = 0;
    unsigned configured = 0;
    unsigned position = 0;
    for (unsigned attempt = 0; pds != nullptr && pds->GetCount() > 0 && attempt < kMaxAttempts; ++attempt) {
        PhysicalDevice* pd = pds->GetAt(static_cast<u8>(position));
        const DriveOutcome outcome = ConfigureDrive(cpController, object, manager, pd, &result);
        if (outcome == DriveOutcome::kEndCommand)
            return result;
        if (outcome == DriveOutcome::kPassedOver) {
            if (++position >= pds->GetCount())
                break;
            continue;
        }
        ++configured;
        if (!TakesAnotherVd(manager, adapterNumber, pd, &pds))
            break;
        position = 0;
    }
    PrintEachDiskText("\n%d physical devices are Configured on adapter %d.\n", configured, adapterNumber);
    return result != 0 ? result : reads_.Result();
}

CfgEachDiskCp::DriveOutcome CfgEachDiskCp::ConfigureDrive(CpController* cpController, CfgAddParsedObject* object,
                                                          RaidManager* manager, PhysicalDevice* pd, int* result)
{
    if (pd == nullptr)
        return DriveOutcome::kPassedOver;
    const u8 adapterNumber = AdapterNumberOf(cpController);
    u8 good = 0;
    const int stateRead = pd->IsUnconfiguredGood(&good);
    if (stateRead != 0) {
        reads_.Fail(stateRead);
        PrintEachDiskDriveReadFailure(adapterNumber, pd);
        return DriveOutcome::kPassedOver;
    }
    if (good == 0)
        return DriveOutcome::kPassedOver;
    if (object->IsEnblPI() != 0) {
        // A drive that cannot be asked is not taken for one that supports PI.
        u16 eligible = 0;
        const int read = pd->IsPiEligible(&eligible);
        if (read != 0) {
            PrintEachDiskDriveReadFailure(adapterNumber, pd);
            *result = read;
            return DriveOutcome::kEndCommand;
        }
        if (eligible == 0) {
            PrintMessage(CommonMsg::kText, "PD Doesn't support PI\n");
            *result = -1;
            return DriveOutcome::kEndCommand;
        }
    }
    u16 enclosureId = 0;
    u8 slot = 0;
    u8 media = 0;
    pd->GetEnclDeviceId(&enclosureId);
    pd->GetSlotNumber(&slot);
    // A drive whose media cannot be read might be a solid state one: it is not configured.
    const int mediaRead = pd->GetMediaType(&media);
    if (mediaRead != 0) {
        reads_.Fail(mediaRead);
        PrintDriveReadFailure(adapterNumber, enclosureId, slot);
        return DriveOutcome::kPassedOver;
    }
    const u8 psPolicy = object->GetPsPolicy();
    if (media == pdrec::kMediaSsd && (psPolicy == vdrec::kPsMaximum || psPolicy == vdrec::kPsMaximumWithoutCaching)) {
        char text[128];
        std::snprintf(text, sizeof text, "Invalid power savings level input for physical device at Encl-%d:Slot-%d.\n",
                      enclosureId, slot);
        PrintMessage(CommonMsg::kText, text);
        if (*result == 0)
            *result = -1;
        return DriveOutcome::kPassedOver;
    }
    const int added = AddSingleDriveVd(cpController, object, manager, pd);
    if (defaultsUnreadable_) {
        *result = added;
        return DriveOutcome::kEndCommand;
    }
    if (*result == 0)
        *result = added;
    if (added != 0 && added != RaidManager::kStatusOsNotTold) {
        PrintEachDiskText("Failed to configure physical device at Encl-%d:Slot-%d.\n", enclosureId, slot);
        return DriveOutcome::kPassedOver;
    }
    PrintEachDiskText("Configured physical device at Encl-%d:Slot-%d.\n", enclosureId, slot);
    if (added == RaidManager::kStatusOsNotTold)
        PrintMessage(CommonMsg::kOsUpdateFailed);
    return DriveOutcome::kConfigured;
}

bool CfgEachDiskCp::TakesAnotherVd(RaidManager* manager, u8 adapterNumber, PhysicalDevice* configured,
                                   List<PhysicalDevice*>** pds)
{
    // The snapshot is read again: its drives are known by their device ids until then.
    const std::vector<EachDiskCandidate> left = EachDiskCandidates(*pds, configured);
    manager->Refresh();
    const int listed = manager->GetUnassignedPdList(pds);
    if (listed != 0 || *pds == nullptr) {
        reads_.Fail(listed);
        ReportUnlistedDrive(manager, adapterNumber, left);
        return false;
    }
    if ((*pds)->GetCount() == 0)
        return true;
    // The adapter's virtual-drive limit ends the command like a refusal of another one, and so
    // does a controller without another unconfigured-good drive.
    u8 possible = 0;
    u8 notPiEligible = 0;
    const int check = manager->CanCreateVd(&possible, &notPiEligible);
    if (check == RaidManager::kStatusVdLimit || (check == 0 && possible == 0)) {
        PrintEachDiskText("\nNo More Configuration is allowed on adapter %d.\n", adapterNumber);
        return false;
    }
    if (check == RaidManager::kStatusNoUsablePd)
        return false;
    if (check != 0) {
        reads_.Fail(check);
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return false;
    }
    return true;
}

int CfgEachDiskCp::AddSingleDriveVd(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager,
                                    PhysicalDevice* pd)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    int defaultsStatus = 0;
    std::unique_ptr<UnCfgdVdOnFreshPd> plan(UnCfgdVdOnFreshPd::Create(manager, &defaultsStatus));
    if (!plan && defaultsStatus != 0)
        return ReportDefaultsUnreadable(defaultsStatus);
    if (!plan)
        return -1;
    plan->SetRaidLevel(raidlevel::kRaid0);
    plan->BuildUnconfiguredPdList();
    if (!plan->HasEnoughMixablePds(pd) || !plan->CanAddPd(pd))
        return kStatusRefused;

    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    u8 spinUp = 0;
    int status = 0;
    if (adapter->IsSpinUpBeforeCfgRequired(&spinUp) == 0 && spinUp == 1 && (status = SpinUpPd(pd)) != 0)
        return status;
    if ((status = SetGivenStripSize(object, plan.get())) != 0)
        return status;

    // The plan's span list: one span holding the drive (the plan frees neither list).
    const OwnedList<ArrayList<PhysicalDevice*>> spans(new UnCfgdVdOnFreshPd::SpanLists(4));
    auto drives = std::make_unique<ArrayList<PhysicalDevice*>>(1);
    drives->Add(pd);
    if (spans->Add(drives.get()) == 0)
        drives.release();  // the span list owns it
    plan->GetSpanList() = spans.get();
    plan->SetPdPerSpan(1);

    SetGivenPolicies(object, plan.get());
    plan->SetEncryptionType(PlanEncryption(object->GetEncryptionType()));

    u8 media = 0;
    pd->GetMediaType(&media);
    anySsd_ = media == pdrec::kMediaSsd ? 1 : 0;
    if ((status = ApplySsdDriveCacheRule(adapter, oemMode_, plan.get())) != 0)
        return status;
    plan->SetPiType(object->IsEnblPI() != 0 ? UnConfiguredVd::kPiOn : 0);

    u64 size = 0;
    if ((status = pd->GetCoercedSize(&size)) != 0)
        return status;
    plan->SetSize(size);
    u64 used = 0;
    if ((status = plan->GetVdSize(&used)) != 0)
        return status;
    plan->SetSize(used);

    status = manager->AddCfgForNewVd(plan.get());
    VdId* vdId = nullptr;
    plan->GetVdId(&vdId);
    std::unique_ptr<VdId> vdOwner(vdId);
    if (vdId != nullptr && status == 0)
        PrintMessage(CfgMsg::kCreatedVd, adapterNumber, vdId->GetTargetId());
    if (vdId != nullptr && object->GetUseCache() == 1)
        AssociateVdToCache(cpController, vdId->GetTargetId(), object, manager);
    return status;
}

int CfgEachDiskCp::SpinUpPd(PhysicalDevice* pd)
{
    u16 enclosureId = 0;
    u8 slot = 0;
    u8 power = 0;
    int status = pd->GetEnclDeviceId(&enclosureId);
    if (status == 0)
        status = pd->GetSlotNumber(&slot);
    if (status == 0)
        status = pd->GetPowerState(&power);
    if (status != 0 || power == 0)
        return status;
    PrintMessage(CfgMsg::kPdSpinningUp, EnclosureIdText(enclosureId), slot);
    status = pd->SpinUp();
    PrintMessage(status != 0 ? CfgMsg::kPdSpinUpFailed : CfgMsg::kPdSpunUp, EnclosureIdText(enclosureId), slot);
    return status;
}
