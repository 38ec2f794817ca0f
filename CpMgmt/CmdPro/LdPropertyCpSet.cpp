// The changes of -LDSetProp and the write-back check.
#include <cstring>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdPropertyCp.h"
#include "CpMgmt/CmdPro/WriteBackCheck.h"
#include "CpMgmt/CpController.h"
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
    return ::SendDcmd(cpController, opcode, buffer, length);
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

LdPropertyCp::AccessState LdPropertyCp::ReadAccessState(VirtualDisk* vd)
{
    AccessState access;
    vd->GetAccessPolicy(&access.policy);
    vd->GetCurrentAccessPolicy(&access.current);
    vd->GetAccessPolicyReason(&access.reason);
    return access;
}

bool LdPropertyCp::AccessState::BlockedByOfflineCache() const
{
    return policy != vdrec::kAccessBlocked && current == vdrec::kAccessBlocked &&
           reason == vdrec::kAccessReasonSscdOffline;
}

int LdPropertyCp::RemoveBlocked(VirtualDisk* vd, u8 target, bool last, bool* done)
{
    if (ReadAccessState(vd).BlockedByOfflineCache()) {
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

bool LdPropertyCp::CheckPiSupported() const
{
    u8 supported = 0;
    if (adapter_->IsPiSupported(&supported) == 0 && supported == 1)
        return true;
    PrintMessage(CommonMsg::kLineEnd);
    PrintMessage(CommonMsg::kText, "This feature is not supported on Adapter");
    PrintMessage(CommonMsg::kLineEnd);
    return false;
}

int LdPropertyCp::DisablePi(VirtualDisk* vd)
{
    if (!CheckPiSupported())
        return -1;
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
    int status = CheckChange(vd);
    if (status != 0)
        return status;
    u8 policy = 0;
    vd->GetDefaultCachePolicy(&policy);
    string text;
    if (!ChangeCachePolicy(vd, policy, &text, &status) && !ChangeRecordProperty(vd, &text, &status)) {
        PrintMessage(CommonMsg::kInvalidOption);
        return -1;
    }
    // A PI disable that failed has reported itself.
    if (object_->GetProperty() == TOKEN_DSBLPI && status != 0)
        return status;
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

int LdPropertyCp::CheckChange(VirtualDisk* vd)
{
    const u16 property = object_->GetProperty();
    if (property == TOKEN_ENDSKCACHE || property == TOKEN_DISDSKCACHE) {
        const int status = ChangeDiskCacheAllowed(vd);
        if (status != 0)
            return status;
    }
    if (property == TOKEN_NAME && std::strlen(ChangedName()) > kMaxNameLength) {
        // The record holds 15 characters; a longer name is refused rather than cut.
        PrintMessage(LdMsg::kSetPropertyFailed, adapterNumber_);
        return -1;
    }
    if (vd->BeginUpdate() != 0) {
        PrintMessage(CommonMsg::kText, "\nbeginUpdate() failed on Vd object\n");
        return -1;
    }
    return 0;
}

const char* LdPropertyCp::ChangedName() const
{
    return object_->GetName() != nullptr ? object_->GetName() : "";
}

bool LdPropertyCp::ChangeCachePolicy(VirtualDisk* vd, u8 policy, string* text, int* status)
{
    switch (object_->GetProperty()) {
    case TOKEN_WB:
        *text = "Write Policy to WriteBack";
        if (object_->GetImmediate() != 0) {
            int readStatus = 0;
            *status = CheckWriteBackNow(manager_, cpController_, &readStatus);
            if (*status != 0)
                *status = -1;
            else
                *status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheWriteBack);
        } else {
            *status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheWriteBack);
            int readStatus = 0;
            const int check = *status == 0 ? CheckWriteBackNow(manager_, cpController_, &readStatus) : 0;
            // A check that could not be made is not taken for one that passed: the change is
            // made, and the command ends with the failed read's status.
            if (check == kWriteBackUnknown)
                reads_.Fail(readStatus);
            if (check != 0)
                PrintMessage(LdMsg::kWriteBackLater);
        }
        return true;
    case TOKEN_FORCEDWB:
        *text = "Write Policy to Forced WriteBack";
        *status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheWriteBack | vdrec::kCacheBadBbu);
        return true;
    case TOKEN_WT:
        *text = "Write Policy to WriteThrough";
        *status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheWriteBack));
        return true;
    case TOKEN_RA:
        *text = "Read Policy to ReadAhead";
        *status = vd->SetDefaultCachePolicy((policy & static_cast<u8>(~vdrec::kCacheReadMask)) | vdrec::kCacheReadAhead);
        return true;
    case TOKEN_NORA:
        *text = "Read Policy to NoReadAhead";
        *status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheReadMask));
        return true;
    case TOKEN_CACHEDBADBBU:
        *text = "Write Cache OK if bad BBU";
        *status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheBadBbu);
        return true;
    case TOKEN_NOCACHEDBADBBU:
        *text = "No Write Cache if bad BBU";
        *status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheBadBbu));
        return true;
    case TOKEN_CACHED:
        *text = "Cache Policy to Cached";
        *status = vd->SetDefaultCachePolicy(policy | vdrec::kCacheCachedIo);
        return true;
    case TOKEN_DIRECT:
        *text = "Cache Policy to Direct";
        *status = vd->SetDefaultCachePolicy(policy & static_cast<u8>(~vdrec::kCacheCachedIo));
        return true;
    default:
        return false;
    }
}

bool LdPropertyCp::ChangeRecordProperty(VirtualDisk* vd, string* text, int* status)
{
    switch (object_->GetProperty()) {
    case TOKEN_RW:
        *text = "Access Policy to Read/Write";
        *status = vd->SetAccessPolicy(vdrec::kAccessReadWrite);
        return true;
    case TOKEN_RO:
        *text = "Access Policy to Read Only";
        *status = vd->SetAccessPolicy(vdrec::kAccessReadOnly);
        return true;
    case TOKEN_BLOCKED:
        *text = "Access Policy to Blocked";
        *status = vd->SetAccessPolicy(vdrec::kAccessBlocked);
        return true;
    case TOKEN_ENDSKCACHE:
        *text = "Disk Cache Policy to Enabled";
        *status = vd->SetDiskCachePolicy(kDiskCacheEnabled);
        return true;
    case TOKEN_DISDSKCACHE:
        *text = "Disk Cache Policy to Disabled";
        *status = vd->SetDiskCachePolicy(kDiskCacheDisabled);
        return true;
    case TOKEN_NAME:
        *text = "name to ";
        *text += ChangedName();
        *status = vd->SetName(ChangedName());
        return true;
    case TOKEN_CONSISTENT:
        *text = "target Consistent";
        *status = vd->SetConsistent(1);
        return true;
    case TOKEN_INCONSISTENT:
        *text = "target Inconsistent";
        *status = vd->SetConsistent(0);
        return true;
    case TOKEN_DSBLPI:
        *text = "PI Disabled";
        *status = DisablePi(vd);
        return true;
    default:
        return false;
    }
}
