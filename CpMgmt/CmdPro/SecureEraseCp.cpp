#include "CpMgmt/CmdPro/SecureEraseCp.h"

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/PdProgress.h"
#include "fwdata/layout/VdProgress.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<SecureEraseCp> kRegisterSecureEraseCp{TOKEN_SECUREERASE};

}  // namespace

u8 SecureEraseCp::EraseTypeCode() const
{
    switch (object_->GetEraseType()) {
    case TOKEN_NORMAL: return mailbox::kEraseNormal;
    case TOKEN_THOROUGH: return mailbox::kEraseThorough;
    default: return mailbox::kEraseSimple;
    }
}

int SecureEraseCp::ProcessParsed(CpController* cpController, SecureErasePo* object)
{
    object_ = object;
    adapter_ = object->GetAdapterNumber();
    if (object->GetAction() == TOKEN_PROGDSPLY)
        return 0;
    RaidManager* manager = nullptr;
    if (AdapterOrReport(cpController, adapter_, false, &manager) == nullptr)
        return -1;
    return object->GetLdCount() != 0 ? EraseVds(manager) : EraseDrives(cpController, manager);
}

int SecureEraseCp::EraseDrives(CpController* cpController, RaidManager* manager)
{
    bool refused = false;
    const int status = ChangeNamedDrives(cpController, manager, adapter_, object_->GetPdList(), [&](NamedDrive& drive) {
        return EraseDrive(drive.pd, drive.enclosureId, drive.slot, &refused);
    });
    if (status != 0)
        return status;
    return refused ? -1 : 0;
}

int SecureEraseCp::EraseDrive(PhysicalDevice* pd, u16 enclosureId, u8 slot, bool* refused)
{
    const char* enclosure = EnclosureIdText(enclosureId);
    u8 block[pdprogress::kSize] = {};
    const ByteView progress(block);
    switch (object_->GetAction()) {
    case TOKEN_START: {
        u16 state = PhysicalDevice::kStateUnconfiguredBad;
        if (pd->GetFwState(&state) != 0 || state != PhysicalDevice::kStateUnconfiguredGood) {
            PrintMessage(SecMsg::kPdEraseWrongState, adapter_, enclosure, slot);
            *refused = true;
            return 0;
        }
        const int status =
            pd->StartSecureErase(EraseTypeCode(), object_->GetErasePatternA(), object_->GetErasePatternB());
        PrintMessage(status != 0 ? SecMsg::kPdEraseStartFailed : SecMsg::kPdEraseStarted, adapter_, enclosure, slot);
        return status;
    }
    case TOKEN_STOP: {
        // A progress block that cannot be read fails the stop: the erase may well be running.
        if (const int status = pd->GetProgress(block); status != 0) {
            PrintMessage(SecMsg::kPdEraseProgressFailed, adapter_, enclosure, slot);
            return status;
        }
        if (!progress.Bit(pdprogress::kOffRunning, pdprogress::kOpSecureErase)) {
            PrintMessage(SecMsg::kPdEraseNotRunning, enclosure, slot);
            return 0;
        }
        u8 allowed = 0;
        if (pd->IsSecureEraseStopAllowed(&allowed) != 0 || allowed != 1) {
            PrintMessage(SecMsg::kPdEraseStopNotAllowed, adapter_, enclosure, slot);
            *refused = true;
            return 0;
        }
        const int status = pd->StopSecureErase();
        PrintMessage(status != 0 ? SecMsg::kPdEraseStopFailed : SecMsg::kPdEraseStopped, adapter_, enclosure, slot);
        return status;
    }
    case TOKEN_SHOWPROG: {
        const int status = pd->GetProgress(block);
        if (status != 0) {
            PrintMessage(SecMsg::kPdEraseProgressFailed, adapter_, enclosure, slot);
            return -1;
        }
        if (!progress.Bit(pdprogress::kOffRunning, pdprogress::kOpSecureErase))
            PrintMessage(SecMsg::kPdEraseNotRunning, enclosure, slot);
        else
            PrintMessage(SecMsg::kPdEraseProgress, enclosure, slot,
                         OpProgress::Percent(progress, pdprogress::kOffEraseProgress),
                         OpProgress::Minutes(progress, pdprogress::kOffEraseSeconds));
        return 0;
    }
    default:
        return 0;  // no action: nothing is done
    }
}

int SecureEraseCp::EraseVds(RaidManager* manager)
{
    u8 vdCount = 0;
    if (CountVdsOrReportNone(manager, adapter_, &vdCount, "LD") <= 0)
        return -1;
    LdSelection selection(manager, *object_, adapter_);
    if (selection.ReadList() != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter_, "LD");
        return -1;
    }
    bool refused = false;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 id = 0;
        VirtualDisk* vd = nullptr;
        // An id that names no virtual drive, and one that cannot be fetched, are skipped.
        if (!selection.TargetAt(i, &id) || (vd = GetVdOrReport(manager, id)) == nullptr) {
            refused = true;
            continue;
        }
        const int status = EraseVd(vd, id, &refused);
        if (status != 0)
            return status;
    }
    return refused ? -1 : 0;
}

int SecureEraseCp::EraseVd(VirtualDisk* vd, u8 id, bool* refused)
{
    u8 block[vdprogress::kSize] = {};
    const ByteView progress(block);
    u8 allowed = 0;
    switch (object_->GetAction()) {
    case TOKEN_START: {
        u8 state = VirtualDisk::kStateOffline;
        if (vd->GetState(&state) != 0 || state == VirtualDisk::kStateOffline) {
            PrintMessage(SecMsg::kVdEraseWrongState, adapter_, id);
            *refused = true;
            return 0;
        }
        if (vd->IsStartSecureEraseAllowed(&allowed) != 0 || allowed != 1) {
            PrintMessage(SecMsg::kVdEraseStartNotAllowed, adapter_, id);
            *refused = true;
            return 0;
        }
        const int status = vd->StartSecureErase(EraseTypeCode(), object_->GetDeleteVd(), object_->GetErasePatternA(),
                                                object_->GetErasePatternB());
        PrintMessage(status != 0 ? SecMsg::kVdEraseStartFailed : SecMsg::kVdEraseStarted, adapter_, id);
        return status;
    }
    case TOKEN_STOP: {
        // A record that cannot be read fails the stop: the erase may well be running.
        if (const int status = vd->GetProgress(block); status != 0) {
            PrintMessage(SecMsg::kVdEraseProgressFailed, adapter_, id);
            return status;
        }
        if ((progress.U32(vdprogress::kOffRunning) & vdprogress::kRunningSecureErase) == 0) {
            PrintMessage(SecMsg::kVdEraseNotRunning, id);
            return 0;
        }
        if (vd->IsStopSecureEraseAllowed(&allowed) != 0 || allowed != 1) {
            PrintMessage(SecMsg::kVdEraseStopNotAllowed, adapter_, id);
            *refused = true;
            return 0;
        }
        const int status = vd->StopSecureErase();
        PrintMessage(status != 0 ? SecMsg::kVdEraseStopFailed : SecMsg::kVdEraseStopped, adapter_, id);
        return status;
    }
    case TOKEN_SHOWPROG: {
        if (vd->GetProgress(block) != 0) {
            PrintMessage(SecMsg::kVdEraseProgressFailed, adapter_, id);
            return -1;
        }
        if ((progress.U32(vdprogress::kOffRunning) & vdprogress::kRunningSecureErase) == 0)
            PrintMessage(SecMsg::kVdEraseNotRunning, id);
        else
            PrintMessage(SecMsg::kVdEraseProgress, id, vd->GetId()->GetFwTargetId(),
                         OpProgress::Percent(progress, vdprogress::kOffEraseProgress),
                         OpProgress::Minutes(progress,
                                             vdprogress::kOffEraseProgress.offset + vdprogress::kProgressOffSeconds));
        return 0;
    }
    default:
        return 0;  // no action: nothing is done
    }
}
