#include "CpMgmt/CmdPro/LdPwPolCp.h"

#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
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

const CpRegistration<LdPowerPolicyCp> kRegisterLdPowerPolicyCp{TOKEN_LDSETPOWERPOLICY};


u8 PolicyValue(u16 word, bool uncachedLevel)
{
    switch (word) {
    case TOKEN_AUTOMATIC: return vdrec::kPsAutomatic;
    case TOKEN_MAXIMUM: return uncachedLevel ? vdrec::kPsMaximum : vdrec::kPsMaximumWithoutCaching;
    case TOKEN_MAXIMUMWITHOUTCACHING: return vdrec::kPsMaximumWithoutCaching;
    case TOKEN_NONE: return vdrec::kPsNone;
    default: return vdrec::kPsDefault;
    }
}

// What the controller allows: whether the maximum level keeps caching, and the power-save flags
// of its defaults.
struct LdPowerPolicyAllowance {
    u8 uncachedLevel = 0;
    u8 flags = 0;
};

// Checks that the controller lets the policy be set per virtual drive: true with what it
// allows, else false (reported).
bool CheckLdPowerPolicyAllowed(CpController* cpController, RaidManager* manager, u8 adapter, u16 policy,
                               LdPowerPolicyAllowance* allowance)
{
    // Capability decisions are never made on a controller information that was not read.
    Adapter* adapterElement = nullptr;
    u8 perVd = 0;
    if (manager->GetAdapter(&adapterElement) != 0 || adapterElement == nullptr ||
        adapterElement->IsLdPowerSavingSupported(&perVd) != 0 ||
        adapterElement->IsMaxPowerSavingUncached(&allowance->uncachedLevel) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return false;
    }
    if (perVd == 0) {
        PrintMessage(CommonMsg::kText, "Adapter does not support Power savings on logical drives.\n");
        return false;
    }
    u8 defaults[ctrldefaults::kSize] = {};
    const int read = ReadCtrlDefaults(cpController, defaults);
    if (read != 0) {
        ReportCtrlDefaultsUnreadable(read);
        return false;
    }
    allowance->flags = ByteView(defaults).U8(ctrldefaults::kOffPowerSaveFlags);
    if (allowance->flags != ctrldefaults::kPowerSaveFlagsNotSet &&
        (allowance->flags & ctrldefaults::kPowerSaveNoPerVdLevel) != 0) {
        PrintMessage(CommonMsg::kText, "Power savings level cannot be set on per logical drive basis.\n");
        return false;
    }
    if (policy == TOKEN_MAXIMUMWITHOUTCACHING && allowance->uncachedLevel == 0) {
        PrintMessage(CommonMsg::kText, "Invalid power savings level input.\n");
        return false;
    }
    return true;
}

// Writes the policy `value` into the record of the drive `target` and reports it: true with the
// write's status in `written`, false when the command ends at once (reported).
bool SetLdPowerPolicyOf(RaidManager* manager, u8 adapter, u8 target, u8 value, u8 flags, int* written)
{
    VirtualDisk* vd = GetVdOrReport(manager, target);
    if (vd == nullptr)
        return false;
    if (vd->BeginUpdate() != 0) {
        PrintMessage(CommonMsg::kText, "\nbeginUpdate() failed on Vd object\n");
        return false;
    }
    if ((value == vdrec::kPsMaximum || value == vdrec::kPsMaximumWithoutCaching) &&
        (flags & ctrldefaults::kPowerSaveNoMaximumOnVd) != 0) {
        PrintMessage(CommonMsg::kText, "Maximum power saving on logical drives is not allowed\n");
        return false;
    }
    if (vd->SetDefaultPsPolicy(value) != 0) {
        PrintMessage(LdMsg::kSetPropertyFailed, adapter);
        return false;
    }
    *written = vd->EndUpdate();
    if (*written == 0)
        PrintMessage(LdMsg::kSetSuccess, "LdPowerPolicy", adapter, target, vd->GetId()->GetTargetId());
    else
        PrintMessage(LdMsg::kSetFailed, "LdPowerPolicy", adapter, target);
    return true;
}

}  // namespace

int LdPowerPolicyCp::ProcessParsed(CpController* cpController, LdPowerPolicyParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    LdPowerPolicyAllowance allowance;
    if (!CheckLdPowerPolicyAllowed(cpController, manager, adapter, object->GetPolicy(), &allowance))
        return -1;
    u8 vdCount = 0;
    if (CountVdsOrReportNone(manager, adapter, &vdCount, "LD") <= 0)
        return -1;
    // Without the configuration no drive can be named: none is taken for missing.
    LdSelection selection(manager, *object, adapter);
    if (selection.ReadListOrReport() != 0)
        return -1;
    const u8 value = PolicyValue(object->GetPolicy(), allowance.uncachedLevel != 0);
    // A listed drive that does not exist, and a drive whose record could not be written, are
    // reported and the next one handled; the first of them decides the command's status.
    int result = 0;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        if (!selection.TargetAt(i, &target)) {
            if (result == 0)
                result = -1;
            continue;
        }
        int written = 0;
        if (!SetLdPowerPolicyOf(manager, adapter, target, value, allowance.flags, &written))
            return -1;
        if (result == 0)
            result = written;
    }
    return result;
}
