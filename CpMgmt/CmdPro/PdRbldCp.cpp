#include "CpMgmt/CmdPro/PdRbldCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CmdPro/PdSuspendResume.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "parsers/PdRbldParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdRbldCp> kRegisterPdRbldCp{TOKEN_PDRBLD};

constexpr PdSuspendResume::Texts kRbldSuspendTexts = {
    .queryFailed = "Failed to Get PD Rebuild Suspend Allowed Operation PDID=",
    .notAllowed = "PD Rebuild Suspend Operation is not allowed. PDID=",
    .failed = "PD Rebuild Suspend Operation is Failed. PDID=",
    .done = "PD Rebuild Suspend Operation is Successfull. PDID="};
constexpr PdSuspendResume::Texts kRbldResumeTexts = {
    .queryFailed = "Failed to Get PD Rebuild Resume Allowed Operation PDID=",
    .notAllowed = "PD Rebuild Resume Operation is not allowed. PDID=",
    .failed = "PD Rebuild Resume Operation is Failed. PDID=",
    .done = "PD Rebuild Resume Operation is Successfull. PDID="};

}  // namespace

int PdRbldCp::ProcessParsed(CpController* cpController, PdRebuildParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    const u16 action = object->GetAction();
    if (action == TOKEN_PROGDSPLY)
        return 0;

    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    Adapter* adapterElement = nullptr;
    int status = manager->GetAdapter(&adapterElement);
    if (status != 0 || adapterElement == nullptr) {
        PrintMessage(CommonMsg::kText, "Fail To Get Adapter.");
        return status != 0 ? status : -1;
    }

    const bool suspendOrResume = action == TOKEN_SUSPEND || action == TOKEN_RESUME;
    if (suspendOrResume) {
        u8 supported = 0;
        status = adapterElement->IsBgOpSuspendResumeSupported(&supported);
        if (status != 0) {
            PrintMessage(CommonMsg::kText, "Fail To Get Adapter allowed  Operations.");
            return status;
        }
        // A refusal is a failure of the command, not a success.
        if (supported != 1) {
            PrintMessage(CommonMsg::kText, "FW not Supported BG Suspend Resume Operations.");
            return -1;
        }
    }

    // Every drive is tried; the first failure is the command's result.
    int result = 0;
    const PdIdList& drives = object->GetPdList();
    for (unsigned i = 0; i < drives.GetCount(); ++i) {
        const PdIdListObject* drive = drives.GetAt(static_cast<u8>(i));
        u16 enclosureId = drive->GetEnclId();
        const u8 slot = drive->GetSlot();
        u16 deviceId = 65535;

        status = ResolveEnclosureId(cpController, &enclosureId);
        if (status != 0)
            return result != 0 ? result : status;
        PhysicalDevice* pd = manager->GetPdByEnclSlot(EnclSlotId(enclosureId, slot));
        if (pd == nullptr) {
            PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosureId), slot);
            return result != 0 ? result : -1;
        }
        pd->GetDeviceId(&deviceId);

        switch (action) {
        case TOKEN_SHOWPROG:
            status = ShowProgress(pd, enclosureId, slot);
            break;
        case TOKEN_SUSPEND:
        case TOKEN_RESUME:
            status = SuspendOrResume(pd, deviceId, action == TOKEN_SUSPEND);
            break;
        case TOKEN_START:
        case TOKEN_STOP:
            status = StartOrStop(pd, adapter, enclosureId, slot, action == TOKEN_START);
            break;
        default:
            PrintMessage(CommonMsg::kOperationFailed, adapter, "rebuild");
            return -1;
        }
        if (result == 0)
            result = status;
    }
    return result;
}

int PdRbldCp::ShowProgress(PhysicalDevice* pd, u16 enclosureId, u8 slot)
{
    u8 block[pdprogress::kSize] = {};
    const int status = pd->GetProgress(block);
    const ByteView progress(block);
    if (status != 0)
        return status;
    if (!progress.Bit(pdprogress::kOffRunning, pdprogress::kOpRebuild))
        PrintMessage(PdMsg::kRbldNotRunning, EnclosureIdText(enclosureId), slot);
    else if (progress.Bit(pdprogress::kOffSuspended, pdprogress::kOpRebuild))
        PrintMessage(CommonMsg::kText, "PD-Rebuild is in Suspend Stage\n");
    else
        PrintMessage(PdMsg::kRbldProgress, EnclosureIdText(enclosureId), slot,
                     OpProgress::Percent(progress, pdprogress::kOffProgress),
                     OpProgress::Minutes(progress, pdprogress::kOffSeconds));
    return 0;
}

int PdRbldCp::SuspendOrResume(PhysicalDevice* pd, u16 deviceId, bool suspend)
{
    return suspend ? PdSuspendResume::Run(pd, deviceId, kRbldSuspendTexts, &PhysicalDevice::IsRbldSuspendAllowed,
                                          &PhysicalDevice::SuspendRbld)
                   : PdSuspendResume::Run(pd, deviceId, kRbldResumeTexts, &PhysicalDevice::IsRbldResumeAllowed,
                                          &PhysicalDevice::ResumeRbld);
}

int PdRbldCp::StartOrStop(PhysicalDevice* pd, u8 adapter, u16 enclosureId, u8 slot, bool start)
{
    const int status = start ? pd->StartRbld() : pd->StopRbld();
    switch (status) {
    case 0:
        PrintMessage(start ? PdMsg::kRbldStarted : PdMsg::kRbldStopped, EnclosureIdText(enclosureId), slot);
        break;
    case fwstatus::kDeviceNotFound:
        PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosureId), slot);
        break;
    case fwstatus::kWrongDriveState:
        PrintMessage(start ? PdMsg::kRbldCannotStart : PdMsg::kRbldNotRebuilding, EnclosureIdText(enclosureId), slot);
        break;
    case fwstatus::kInvalidSeqNum:
        PrintMessage(PdMsg::kInvalidSeqNum);
        break;
    default:
        // Any other refusal or transport failure is reported as a failure, never as done.
        PrintMessage(CommonMsg::kOperationFailed, adapter, "rebuild");
        break;
    }
    return status;
}
