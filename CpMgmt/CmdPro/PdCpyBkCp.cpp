#include "CpMgmt/CmdPro/PdCpyBkCp.h"

#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CmdPro/PdSuspendResume.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdCopyBackParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdCopyBackCp> kRegisterPdCopyBackCp{TOKEN_PDCPYBK};

constexpr PdSuspendResume::Texts kCopyBackSuspendTexts = {
    .queryFailed = "Failed to get copyback suspend allowed. pdid = ",
    .notAllowed = "PD Copy Back Suspend Operation is not allowed. PDID=",
    .failed = "Suspend Copy Back Operation Failed. PdId = ",
    .done = "Suspend Copy Back Operation Successfull. PdId = "};
constexpr PdSuspendResume::Texts kCopyBackResumeTexts = {
    .queryFailed = "Failed to get copyback resume allowed. pdid = ",
    .notAllowed = "PD Copy Back Resume Operation is not allowed. PDID=",
    .failed = "Resume Copy Back Operation Failed. PdId = ",
    .done = "Resume Copy Back Operation Successfull. PdId = "};

}  // namespace

int PdCopyBackCp::FindDrive(CpController* cpController, RaidManager* manager, u8 adapter, u16 enclosureId, u8 slot,
                            PhysicalDevice** pd, u16* resolvedEnclosureId)
{
    const int status = ResolveEnclosureId(cpController, &enclosureId);
    if (status != 0)
        return status;
    *resolvedEnclosureId = enclosureId;
    *pd = manager->GetPdByEnclSlot(EnclSlotId(enclosureId, slot));
    if (*pd == nullptr) {
        PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosureId), slot);
        return -1;
    }
    return 0;
}

int PdCopyBackCp::ProcessParsed(CpController* cpController, PdCopyBackParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    const u16 action = object->GetAction();
    const PdIdList& drives = object->GetPdList();

    if (drives.GetCount() != (action == TOKEN_START ? 2 : 1)) {
        PrintMessage(PdMsg::kCpyBkInvalidDrives);
        return -1;
    }
    if (action == TOKEN_PROGDSPLY)
        return 0;

    RaidManager* manager = nullptr;
    Adapter* adapterElement = AdapterOrReport(cpController, adapter, false, &manager);
    if (adapterElement == nullptr)
        return -1;

    int status = 0;
    if (action == TOKEN_SUSPEND || action == TOKEN_RESUME) {
        status = CheckBgOpSuspendResume(adapterElement);
        if (status != 0)
            return status;
    }

    const PdIdListObject* first = drives.GetAt(0);
    PhysicalDevice* pd = nullptr;
    u16 enclosureId = 0;
    status = FindDrive(cpController, manager, adapter, first->GetEnclId(), first->GetSlot(), &pd, &enclosureId);
    if (status != 0)
        return status;
    u16 deviceId = 0xFFFF;
    pd->GetDeviceId(&deviceId);

    switch (action) {
    case TOKEN_START: {
        const PdIdListObject* second = drives.GetAt(1);
        PhysicalDevice* target = nullptr;
        u16 targetEnclosureId = 0;
        status = FindDrive(cpController, manager, adapter, second->GetEnclId(), second->GetSlot(), &target,
                           &targetEnclosureId);
        if (status != 0)
            return status;
        status = pd->StartCopyBack(target);
        PrintMessage(status == 0 ? PdMsg::kCpyBkStarted : PdMsg::kCpyBkCannotStart);
        return status;
    }
    case TOKEN_STOP:
        status = pd->StopCopyBack();
        PrintMessage(status == 0 ? PdMsg::kCpyBkStopped : PdMsg::kCpyBkNotRunning);
        return status;
    case TOKEN_SHOWPROG:
        return ShowProgress(pd, enclosureId, first->GetSlot());
    case TOKEN_SUSPEND:
    case TOKEN_RESUME:
        return SuspendOrResume(pd, deviceId, action == TOKEN_SUSPEND);
    default:
        return -1;
    }
}

int PdCopyBackCp::ShowProgress(PhysicalDevice* pd, u16 enclosureId, u8 slot)
{
    u8 block[pdprogress::kSize] = {};
    const int status = pd->GetProgress(block);
    const ByteView progress(block);
    if (status != 0)
        return status;
    if (!progress.Bit(pdprogress::kOffRunning, pdprogress::kOpCopyBack))
        PrintMessage(PdMsg::kCpyBkNotRunning);
    else if (progress.Bit(pdprogress::kOffSuspended, pdprogress::kOpCopyBack))
        PrintMessage(CommonMsg::kText, "PD-Copyback is in Suspend Stage\n");
    else
        PrintMessage(PdMsg::kCpyBkProgress, EnclosureIdText(enclosureId), slot,
                     OpProgress::Percent(progress, pdprogress::kOffProgress),
                     OpProgress::Minutes(progress, pdprogress::kOffSeconds));
    return 0;
}

int PdCopyBackCp::SuspendOrResume(PhysicalDevice* pd, u16 deviceId, bool suspend)
{
    return suspend ? PdSuspendResume::Run(pd, deviceId, kCopyBackSuspendTexts, &PhysicalDevice::IsCopyBackSuspendAllowed,
                                          &PhysicalDevice::SuspendCopyBack)
                   : PdSuspendResume::Run(pd, deviceId, kCopyBackResumeTexts, &PhysicalDevice::IsCopyBackResumeAllowed,
                                          &PhysicalDevice::ResumeCopyBack);
}
