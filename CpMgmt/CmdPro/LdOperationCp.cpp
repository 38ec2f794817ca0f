#include "CpMgmt/CmdPro/LdOperationCp.h"

#include <cstdio>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/VdAllowedOps.h"
#include "fwdata/layout/VdProgress.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdOperationCp> kRegisterLdOperationCp{TOKEN_LDCC, TOKEN_LDINIT, TOKEN_LDBI};

// Percent and whole minutes of a progress field (u16 progress, then u16 elapsed seconds).
void ProgressOf(const ByteView& block, Field<u16> progress, int* percent, int* minutes)
{
    *percent = OpProgress::Percent(block, progress);
    *minutes = OpProgress::Minutes(block, progress.offset + vdprogress::kProgressOffSeconds);
}

void PrintResult(int status) { PrintMessage(status != 0 ? LdMsg::kOpFailed : LdMsg::kOpSuccess); }

}  // namespace

int LdOperationCp::ProcessParsed(CpController* cpController, LdOperationParsedObject* object)
{
    object_ = object;
    adapterNumber_ = AdapterNumberOf(cpController);
    const u16 operation = object->GetOperation();
    if (operation == TOKEN_PROGDSPLY)
        return 0;

    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber_);
    if (manager == nullptr)
        return -1;
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapterNumber_, &vdCount, "LD"))
        return -1;
    if (operation == TOKEN_SUSPEND || operation == TOKEN_RESUME) {
        const int status = CheckBgOpSuspendResume(manager);
        if (status != 0)
            return status;
    }
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapterNumber_);
        return -1;
    }
    LdSelection selection(manager, *object, adapterNumber_);
    if (selection.ReadListOrReport() != 0)
        return -1;

    // Every drive is handled; the first one refused or failed decides the command's status (a
    // later drive that succeeds does not hide it).
    int result = 0;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        VirtualDisk* vd = selection.TargetAt(i, &target) ? GetVdOrReport(manager, target) : nullptr;
        int status = -1;
        if (vd != nullptr) {
            switch (operation) {
            case TOKEN_START: status = Start(vd, target); break;
            case TOKEN_ABORT: status = Abort(vd, target); break;
            case TOKEN_SHOWPROG: status = ShowProgress(vd, target); break;
            case TOKEN_ENBL:
            case TOKEN_DSBL: status = SetBgi(vd, target); break;
            case TOKEN_GETSETTING: status = ShowBgiSetting(vd, target); break;
            case TOKEN_SUSPEND:
            case TOKEN_RESUME: status = SuspendResume(vd, target); break;
            default: status = 0; break;
            }
        }
        if (result == 0)
            result = status;
    }
    return result;
}

int LdOperationCp::Start(VirtualDisk* vd, u8 target)
{
    const u16 targetId = vd->GetId()->GetTargetId();
    if (object_->GetCommandId() == TOKEN_LDINIT) {
        const int status = object_->GetFull() != 0 ? vd->StartFullInit() : vd->StartFastInit();
        PrintMessage(LdMsg::kInitStart, target, targetId);
        PrintResult(status);
        return status;
    }
    u8 allowed = 0;
    if (vd->IsStartCcAllowed(&allowed) != 0 || allowed == 0) {
        PrintMessage(LdMsg::kCcNotPossible, adapterNumber_, target);
        return -1;
    }
    u8 consistent = 0;
    vd->GetIsConsistent(&consistent);
    if (consistent == 0 && object_->GetForce() != 1) {
        PrintMessage(LdMsg::kCcUninitialized);
        return -1;
    }
    const int status = vd->StartCc();
    PrintMessage(LdMsg::kCcStart, target, targetId);
    PrintResult(status);
    return status;
}

int LdOperationCp::Abort(VirtualDisk* vd, u8 target)
{
    u8 progress[vdprogress::kSize] = {};
    int status = ReadProgressOrReport(vd, target, progress);
    if (status != 0) {
        PrintMessage(LdMsg::kOpFailed);
        return status;
    }
    const u32 running = ByteView(progress).U32(vdprogress::kOffRunning);
    const u16 targetId = vd->GetId()->GetTargetId();
    switch (object_->GetCommandId()) {
    case TOKEN_LDCC:
        if ((running & vdprogress::kRunningCc) == 0) {
            PrintMessage(LdMsg::kCcNotRunning, target);
            return status;
        }
        status = vd->AbortCc();
        PrintMessage(LdMsg::kCcAbort, target, targetId);
        break;
    case TOKEN_LDINIT:
        if ((running & vdprogress::kRunningInit) == 0) {
            PrintMessage(LdMsg::kInitNotRunning, target);
            return status;
        }
        status = vd->AbortInit();
        PrintMessage(LdMsg::kInitAbort, target, targetId);
        break;
    default:
        if ((running & vdprogress::kRunningBgi) == 0) {
            PrintMessage(LdMsg::kBgiNotRunning, target);
            return status;
        }
        // The check's abort also ends a background initialization.
        status = vd->AbortCc();
        PrintMessage(LdMsg::kBgiAbort, target, targetId);
        break;
    }
    PrintResult(status);
    return status;
}

int LdOperationCp::ShowProgress(VirtualDisk* vd, u8 target)
{
    u8 progress[vdprogress::kSize] = {};
    const int status = ReadProgressOrReport(vd, target, progress);
    if (status != 0)
        return status;
    const ByteView block(progress);
    const u32 running = block.U32(vdprogress::kOffRunning);
    const u16 targetId = vd->GetId()->GetTargetId();
    int percent = 0;
    int minutes = 0;
    switch (object_->GetCommandId()) {
    case TOKEN_LDCC:
        if ((running & vdprogress::kRunningCc) == 0) {
            PrintMessage(LdMsg::kCcNotRunning, target);
        } else if (block.Bit(vdprogress::kSuspendedCc)) {
            PrintMessage(CommonMsg::kText, "LD-CC is in Suspend Stage\n");
        } else {
            ProgressOf(block, vdprogress::kOffCcProgress, &percent, &minutes);
            PrintMessage(LdMsg::kCcProgress, target, targetId, percent, minutes);
        }
        break;
    case TOKEN_LDINIT:
        if ((running & vdprogress::kRunningInit) == 0) {
            PrintMessage(LdMsg::kInitNotRunning, target);
        } else {
            ProgressOf(block, vdprogress::kOffInitProgress, &percent, &minutes);
            PrintMessage(LdMsg::kInitProgress, target, targetId, percent, minutes);
        }
        break;
    default:
        if ((running & vdprogress::kRunningBgi) == 0) {
            PrintMessage(LdMsg::kBgiNotRunning, target);
        } else if (block.Bit(vdprogress::kSuspendedBgi)) {
            PrintMessage(CommonMsg::kText, "LD-BGI is in Suspend Stage\n");
        } else {
            ProgressOf(block, vdprogress::kOffBgiProgress, &percent, &minutes);
            PrintMessage(LdMsg::kBgiProgress, target, targetId, percent, minutes);
        }
        break;
    }
    return status;
}

int LdOperationCp::SetBgi(VirtualDisk* vd, u8 target)
{
    const bool disable = object_->GetOperation() == TOKEN_DSBL;
    int status = vd->BeginUpdate();
    if (status != 0) {
        PrintMessage(LdMsg::kVdDataFailed, adapterNumber_, target);
        return status;
    }
    vd->SetBgiDisabled(disable ? 1 : 0);
    status = vd->EndUpdate();
    if (status != 0)
        PrintMessage(LdMsg::kBgiSetFailed, disable ? "Disable" : "Enable", target, adapterNumber_);
    else
        PrintMessage(LdMsg::kBgiSetting, disable ? "Disabled" : "Enabled", target, vd->GetId()->GetTargetId(),
                     adapterNumber_);
    return status;
}

int LdOperationCp::ShowBgiSetting(VirtualDisk* vd, u8 target)
{
    u8 disabled = 0;
    const int status = vd->GetBgiDisabled(&disabled);
    if (status != 0) {
        PrintMessage(LdMsg::kVdDataFailed, adapterNumber_, target);
        return status;
    }
    PrintMessage(LdMsg::kBgiSettingShown, disabled != 0 ? "Disabled" : "Enabled", target, vd->GetId()->GetTargetId(),
                 adapterNumber_);
    return status;
}

int LdOperationCp::SuspendResume(VirtualDisk* vd, u8 target)
{
    u8 ops[vdallowed::kSize] = {};
    int status = ReadAllowedOps(vd, target, ops);
    if (status != 0)
        return status;
    if (object_->GetCommandId() == TOKEN_LDINIT)
        return status;
    const bool suspend = object_->GetOperation() == TOKEN_SUSPEND;
    if (!ByteView(ops).Bit(suspend ? vdallowed::kSuspendCcBgi : vdallowed::kResumeCcBgi)) {
        PrintMessage(CommonMsg::kText, suspend ? "CC/BGI Suspend not allowed operation on this VD = "
                                               : "CC/BGI Resume not allowed operation on this VD = ");
        PrintMessage(CommonMsg::kNumber, target);
        PrintMessage(CommonMsg::kLineEnd);
        return -1;
    }
    status = suspend ? vd->SuspendCcBgi() : vd->ResumeCcBgi();
    char text[100] = {};
    if (status == 0)
        std::snprintf(text, sizeof text, "%s - %u ",
                      suspend ? "CC/BGI Suspend operation successful on VD" : "CC/BGI Resume operation successful on VD",
                      static_cast<unsigned>(target));
    else
        std::snprintf(text, sizeof text, "%s - %u retCode = 0x%X",
                      suspend ? "CC/BGI Suspend operation failed on VD" : "CC/BGI Resume operation failed on VD",
                      static_cast<unsigned>(target), static_cast<unsigned>(status));
    PrintMessage(CommonMsg::kText, text);
    PrintMessage(CommonMsg::kLineEnd);
    return status;
}
