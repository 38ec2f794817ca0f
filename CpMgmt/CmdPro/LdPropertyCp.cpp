#include "CpMgmt/CmdPro/LdPropertyCp.h"

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdPropertyCp> kRegisterLdPropertyCp{TOKEN_LDSETPROP, TOKEN_LDGETPROP};


void PrintCachePolicy(u8 policy)
{
    PrintMessage(CommonMsg::kText, (policy & vdrec::kCacheWriteBack) != 0 ? "WriteBack, " : "WriteThrough, ");
    const u8 read = policy & vdrec::kCacheReadMask;
    PrintMessage(CommonMsg::kText, read == vdrec::kCacheReadAdaptive ? "ReadAdaptive, "
                                   : read == vdrec::kCacheReadAhead  ? "ReadAhead, "
                                                                     : "ReadAheadNone, ");
    PrintMessage(CommonMsg::kText,
                 (policy & vdrec::kCacheCachedIo) == vdrec::kCacheCachedIo ? "Cached, " : "Direct, ");
    PrintMessage(CommonMsg::kText, (policy & vdrec::kCacheBadBbu) != 0 ? "Write Cache OK if bad BBU"
                                                                        : "No Write Cache if bad BBU");
    PrintMessage(CommonMsg::kLineEnd);
}

// The access policy as the property report prints it, with its line end; null for another code.
const char* LdPropAccessLine(u8 policy)
{
    switch (policy) {
    case vdrec::kAccessReadWrite: return "Read/Write\n";
    case vdrec::kAccessReadOnly: return "ReadOnly\n";
    case vdrec::kAccessBlocked: return "Blocked\n";
    default: return nullptr;
    }
}

const char* PowerPolicyName(u8 policy, u8 uncachedMaximum)
{
    switch (policy) {
    case 0: return "Controller Defined";
    case 1:
    case 5: return "Automatic";
    case 2: return "Maximum";
    case 6: return uncachedMaximum != 0 ? "Maximum without caching" : "Maximum";
    case 254: return "None";
    default: return "";
    }
}

const char* PiText(u8 type)
{
    static const char* const kTypes[] = {" No \n ",
                                         " Yes,PI with type 1\n",
                                         " Yes,PI with type 2\n",
                                         " Yes,PI with type 3\n",
                                         " Yes,PI with type 4\n",
                                         " Yes,PI with type 5\n",
                                         " Yes,PI with type 6\n",
                                         " Yes,PI with type 7\n",
                                         " Yes,Proprietary type\n"};
    return type < sizeof kTypes / sizeof kTypes[0] ? kTypes[type] : " Unknown \n";
}

}  // namespace

int LdPropertyCp::ProcessParsed(CpController* cpController, LdPropParsedObject* object)
{
    cpController_ = cpController;
    object_ = object;
    reads_ = ReportStatus();
    adapterNumber_ = AdapterNumberOf(cpController);
    const u16 property = object->GetProperty();

    manager_ = RaidManagerOrReport(cpController, adapterNumber_);
    if (manager_ == nullptr)
        return -1;
    if (manager_->GetAdapter(&adapter_) != 0 || adapter_ == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber_);
        return -1;
    }
    if (property == TOKEN_ENDSKCACHE || property == TOKEN_DISDSKCACHE) {
        u8 supported = 1;
        if (adapter_->IsLdDiskCachePolicySupported(&supported) != 0) {
            PrintMessage(CommonMsg::kOperationFailed, adapterNumber_, "LD properties");
            return -1;
        }
        if (supported == 0) {
            PrintMessage(LdMsg::kSettingNotSupported, "DiskCache Policy", adapterNumber_);
            return -1;
        }
    }

    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager_, adapterNumber_, &vdCount))
        return -1;
    if (vdCount == 0) {
        PrintMessage(CommonMsg::kText, "No Logical drive configured.\n");
        return -1;
    }
    LdSelection selection(manager_, *object, adapterNumber_);
    if (selection.ReadListOrReport() != 0)
        return -1;
    all_ = selection.IsAll();

    // A listed drive that does not exist is reported and the next one handled, and so is a
    // drive whose record could not be written; the first of them decides the command's status.
    int result = 0;
    const auto first = [&result](int status) { return result != 0 ? result : status; };
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        if (!selection.TargetAt(i, &target)) {
            result = first(-1);
            continue;
        }
        VirtualDisk* vd = GetVdOrReport(manager_, target);
        if (vd == nullptr)
            return Finish(first(-1));
        if (object->GetCommandId() == TOKEN_LDGETPROP) {
            const int status = Query(vd, target);
            if (status != 0)
                return Finish(first(status));
            continue;
        }
        bool done = false;
        if (property == TOKEN_REMOVEBLOCKED) {
            const int status = RemoveBlocked(vd, target, i + 1 == count, &done);
            if (done)
                return Finish(first(status));
            continue;
        }
        const int status = Change(vd, target);
        if (stop_)
            return Finish(first(status));
        result = first(status);
    }
    return Finish(result);
}

int LdPropertyCp::Finish(int status) const { return status != 0 || !reads_.Failed() ? status : reads_.Result(); }

int LdPropertyCp::Query(VirtualDisk* vd, u8 target)
{
    const u16 targetId = vd->GetId()->GetTargetId();
    u8 value = 0;
    switch (object_->GetProperty()) {
    case TOKEN_CACHE:
        PrintMessage(LdMsg::kCachePolicyTitle, adapterNumber_, target, targetId);
        vd->GetCurrentCachePolicy(&value);
        PrintCachePolicy(value);
        return 0;
    case TOKEN_ACCESS:
        QueryAccess(vd, target, targetId);
        return 0;
    case TOKEN_DSKCACHE:
        QueryDiskCache(vd, target, targetId);
        return 0;
    case TOKEN_NAME: {
        string name;
        vd->GetName(&name);
        PrintMessage(LdMsg::kNameLine, adapterNumber_, target, targetId, name.GetCStr());
        return 0;
    }
    case TOKEN_CONSISTENCY:
        vd->GetIsConsistent(&value);
        PrintMessage(LdMsg::kVdLine, target, targetId, value != 0 ? "Consistent" : "Inconsistent");
        return 0;
    case TOKEN_PSPOLICY:
        return QueryPowerPolicy(vd, target, targetId);
    case TOKEN_DSBLPI:
        return QueryPi(vd, target, targetId);
    default:
        PrintMessage(CommonMsg::kInvalidOption);
        return -1;
    }
}

void LdPropertyCp::QueryAccess(VirtualDisk* vd, u8 target, u16 targetId)
{
    const AccessState access = ReadAccessState(vd);
    PrintMessage(LdMsg::kAccessPolicyTitle, adapterNumber_, target, targetId);
    if (const char* text = LdPropAccessLine(access.policy))
        PrintMessage(CommonMsg::kText, text);
    if (const char* text = LdPropAccessLine(access.current)) {
        PrintMessage(CommonMsg::kText, "Current Access Policy: ");
        PrintMessage(CommonMsg::kText, text);
    }
    if (!vd->IsSscd() && access.BlockedByOfflineCache())
        PrintMessage(CommonMsg::kText,
                     "Reason for difference in Access Policy: Associated FlashTier - SSD Caching virtual drive "
                     "is offline\n");
    PrintMessage(CommonMsg::kLineEnd);
}

void LdPropertyCp::QueryDiskCache(VirtualDisk* vd, u8 target, u16 targetId)
{
    u8 value = 0;
    PrintMessage(LdMsg::kDiskCacheTitle, adapterNumber_, target, targetId);
    vd->GetDiskCachePolicy(&value);
    static const char* const kTexts[] = {"Disk's Default\n", "Enabled\n", "Disabled\n"};
    if (value < 3)
        PrintMessage(CommonMsg::kText, kTexts[value]);
}

int LdPropertyCp::QueryPowerPolicy(VirtualDisk* vd, u8 target, u16 targetId)
{
    u8 supported = 0;
    if (adapter_->IsLdPowerSavingSupported(&supported) != 0 || supported == 0) {
        PrintMessage(CommonMsg::kText, "Adapter does not support Power savings on logical drives.\n");
        return -1;
    }
    PrintMessage(CommonMsg::kLineEnd);
    PrintMessage(LdMsg::kVdLine, target, targetId, " ");
    u8 uncached = 0;
    adapter_->IsMaxPowerSavingUncached(&uncached);
    PrintMessage(CommonMsg::kLineEnd);
    PrintMessage(CommonMsg::kLineEnd);
    u8 value = 0;
    vd->GetDefaultPsPolicy(&value);
    PrintMessage(CommonMsg::kText, "Default power saving policy : ");
    PrintMessage(CommonMsg::kText, PowerPolicyName(value, uncached));
    PrintMessage(CommonMsg::kLineEnd);
    vd->GetCurrentPsPolicy(&value);
    PrintMessage(CommonMsg::kText, "Current power saving policy : ");
    PrintMessage(CommonMsg::kText, PowerPolicyName(value, uncached));
    PrintMessage(CommonMsg::kLineEnd);
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}

int LdPropertyCp::QueryPi(VirtualDisk* vd, u8 target, u16 targetId)
{
    if (!CheckPiSupported())
        return -1;
    u8 value = 0;
    vd->GetPiType(&value);
    PrintMessage(LdMsg::kVdLine, target, targetId, "");
    PrintMessage(CommonMsg::kText, "PI Enabled : ");
    PrintMessage(CommonMsg::kText, PiText(value));
    return 0;
}
