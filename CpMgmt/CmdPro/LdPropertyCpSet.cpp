// The changes of -LDSetProp and the write-back check.
#include <cstring>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdPropertyCp.h"
#include "CpMgmt/CmdPro/WriteBackCheck.h"
#include "CpMgmt/CpController.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdProgress.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u8 kDiskCacheEnabled = 1;
constexpr u8 kDiskCacheDisabled = 2;
constexpr u8 kMediaSolidState = 1;
constexpr unsigned kMaxMembers = 32;
// The name field holds 15 characters and a NUL.
constexpr std::size_t kMaxNameLength = vdrec::kName.width - 1;


}  // namespace

int LdPropertyCp::SendDcmd(u32 opcode, u8* buffer, u32 length, CpController* cpController)
{
    Controller* controller = cpController != nullptr ? cpController->GetController() : nullptr;
    if (controller == nullptr)
        return -1;
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(opcode, mbox, buffer, length);
    return controller->Execute(request);
}

int LdPropertyCp::RemoveBlockedAccess(VirtualDisk* vd, u8 adapter, unsigned target, bool all)
{
    constexpr const char* kRemoveBlockedText = "Remove Blocked access ";
    const int status = vd->RemoveBlockedAccess(all ? 1 : 0);
    if (status != 0)
        PrintMessage(LdMsg::kSetFailed, kRemoveBlockedText, adapter, target);
    else if (all)
        PrintMessage(CommonMsg::kAdapterText, adapter, "Remove Blocked access is Success");
    else
        PrintMessage(LdMsg::kSetSuccess, kRemoveBlockedText, adapter, target, target);
    return status;
}

int LdPropertyCp::RemoveBlocked(VirtualDisk* vd, u8 target, bool last, bool* done)
{
    u8 reason = 0;
    u8 policy = 0;
    u8 current = 0;
    vd->GetAccessPolicyReason(&reason);
    vd->GetAccessPolicy(&policy);
    vd->GetCurrentAccessPolicy(&current);
    if (policy != vdrec::kAccessBlocked && current == vdrec::kAccessBlocked && reason == vdrec::kAccessReasonSscdOffline) {
        *done = true;
        return RemoveBlockedAccess(vd, adapterNumber_, target, all_);
    }
    if (last) {
        *done = true;
        PrintMessage(CommonMsg::kText, "Access Policy is not Blocked on Vd object or SSCD is not Offline \n");
    }
    return 0;
}

// A disk-cache change is refused for a virtual drive with a solid-state member while the
// controller blocks write-cache changes of solid-state drives.
int LdPropertyCp::ChangeDiskCacheAllowed(VirtualDisk* vd)
{
    u8 blocked = 0;
    int status = adapter_->GetBlockSsdWriteCacheChange(&blocked);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "Fail To Get Adapter blockSSDWriteCacheChange bit. AdpID = ");
        PrintMessage(CommonMsg::kNumber, adapterNumber_);
        PrintMessage(CommonMsg::kLineEnd);
        return status;
    }
    if (blocked == 0)
        return 0;
    ArrayList<PhysicalDevice*> members(kMaxMembers);
    status = manager_->GetVdPdList(&members, static_cast<u8>(vd->GetId()->GetTargetId() & 0xFF));
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "Fail To Get Pd List in LD. AdpID =");
        PrintMessage(CommonMsg::kNumber, adapterNumber_);
        PrintMessage(CommonMsg::kLineEnd);
        return status;
    }
    for (unsigned i = 0; i < members.GetCount(); ++i) {
        u8 media = 0xFF;
        PhysicalDevice* pd = members.GetAt(static_cast<u8>(i));
        if (pd != nullptr && pd->GetMediaType(&media) == 0 && media == kMediaSolidState) {
            PrintMessage(CommonMsg::kText, "Not Allowed To Change Disk Cache Policy. AdpID =");
            PrintMessage(CommonMsg::kNumber, adapterNumber_);
            PrintMessage(CommonMsg::kLineEnd);
            return -1;
        }
    }
    return 0;
}

int LdPropertyCp::DisablePi(VirtualDisk* vd)
{
    u8 supported = 0;
    if (adapter_->IsPiSupported(&supported) != 0 || supported != 1) {
        PrintMessage(CommonMsg::kLineEnd);
        PrintMessage(CommonMsg::kText, "This feature is not supported on Adapter");
        PrintMessage(CommonMsg::kLineEnd);
        return -1;
    }
    const int status = vd->DisablePi();
    if (status == 0)
        return 0;
    if (status == fwstatus::kInvalidOpcode) {  // PI is off
        PrintMessage(CommonMsg::kAdapterText, adapterNumber_, "PI is not enabled on LD.");
    } else if (status == fwstatus::kDeviceNotFound) {
        PrintMessage(CommonMsg::kAdapterText, adapterNumber_, "TargetId is invalid.");
    } else {
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, kDcmdLdDisablePi,
                      static_cast<u32>(status));
        PrintMessage(CommonMsg::kAdapterText, adapterNumber_, "Set PI Disable Failed.");
    }
    return status;
}

// A refusal sets stop_ (the command ends with the status); a failed write of the record is
// the drive's status and the next drive follows.
int LdPropertyCp::Change(VirtualDisk* vd, u8 target)
{
    stop_ = true;
    const u16 property = object_->GetProperty();
    if (property == TOKEN_ENDSKCACHE || property == TOKEN_DISDSKCACHE) {
        const int status = ChangeDiskCacheAllowed(vd);
        if (status != 0)
            return status;
    }
    const char* name = object_->GetName() != nullptr ? object_->GetName() : "";
    if (property == TOKEN_NAME && std::strlen(name) > kMaxNameLength) {
        // The record holds 15 characters; a longer name is refused rather than cut.
        PrintMessage(LdMsg::kSetPropertyFailed, adapterNumber_);
        return -1;
    }
    if (vd->BeginUpdate() != 0) {
        PrintMessage(CommonMsg::kText, "\nbeginUpdate() failed on Vd object\n");
        return -1;
    }
    u8 policy = 0;
    vd->GetDefaultCachePolicy(&policy);
    int status = 0;
    string text;
    switch (property) {
    case TOKEN_WB:
        text = "Write Policy to WriteBack";
        if (object_->GetImmediate() != 0) {
            status = CheckWriteBackNow(manager_, cpController_);
            if (status != 0)
                status = -1;
            else
                status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheWriteBack);
        } else {
            status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheWriteBack);
            if (status == 0 && CheckWriteBackNow(manager_, cpController_) != 0)
                PrintMessage(LdMsg::kWriteBackLater);
        }
        break;
    case TOKEN_FORCEDWB:
        text = "Write Policy to Forced WriteBack";
        status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheWriteBack | vdrec::kCacheBadBbu);
        break;
    case TOKEN_WT:
        text = "Write Policy to WriteThrough";
        status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheWriteBack));
        break;
    case TOKEN_RA:
        text = "Read Policy to ReadAhead";
        status = vd->SetDefaultCachePolicy((policy & static_cast<u8>(~vdrec::kCacheReadMask)) | vdrec::kCacheReadAhead);
        break;
    case TOKEN_NORA:
        text = "Read Policy to NoReadAhead";
        status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheReadMask));
        break;
    case TOKEN_CACHEDBADBBU:
        text = "Write Cache OK if bad BBU";
        status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheBadBbu);
        break;
    case TOKEN_NOCACHEDBADBBU:
        text = "No Write Cache if bad BBU";
        status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheBadBbu));
        break;
    case TOKEN_CACHED:
        text = "Cache Policy to Cached";
        status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheCachedIo);
        break;
    case TOKEN_DIRECT:
        text = "Cache Policy to Direct";
        status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheCachedIo));
        break;
    case TOKEN_RW:
        text = "Access Policy to Read/Write";
        status = vd->SetAccessPolicy(vdrec::kAccessReadWrite);
        break;
    case TOKEN_RO:
        text = "Access Policy to Read Only";
        status = vd->SetAccessPolicy(vdrec::kAccessReadOnly);
        break;
    case TOKEN_BLOCKED:
        text = "Access Policy to Blocked";
        status = vd->SetAccessPolicy(vdrec::kAccessBlocked);
        break;
    case TOKEN_ENDSKCACHE:
        text = "Disk Cache Policy to Enabled";
        status = vd->SetDiskCachePolicy(kDiskCacheEnabled);
        break;
    case TOKEN_DISDSKCACHE:
        text = "Disk Cache Policy to Disabled";
        status = vd->SetDiskCachePolicy(kDiskCacheDisabled);
        break;
    case TOKEN_NAME:
        text = "name to ";
        text += name;
        status = vd->SetName(name);
        break;
    case TOKEN_CONSISTENT:
        text = "target Consistent";
        status = vd->SetConsistent(1);
        break;
    case TOKEN_INCONSISTENT:
        text = "target Inconsistent";
        status = vd->SetConsistent(0);
        break;
    case TOKEN_DSBLPI:
        text = "PI Disabled";
        status = DisablePi(vd);
        if (status != 0)
            return status;
        break;
    default:
        PrintMessage(CommonMsg::kInvalidOption);
        return -1;
    }
    if (status != 0) {
        PrintMessage(LdMsg::kSetPropertyFailed, adapterNumber_);
        return -1;
    }
    stop_ = false;
    status = vd->EndUpdate();
    if (status == 0)
        PrintMessage(LdMsg::kSetSuccess, text.GetCStr(), adapterNumber_, target, vd->GetId()->GetTargetId());
    else
        PrintMessage(LdMsg::kSetFailed, text.GetCStr(), adapterNumber_, target);
    return status;
}
