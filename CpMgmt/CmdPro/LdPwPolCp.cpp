#include "CpMgmt/CmdPro/LdPwPolCp.h"

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
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

}  // namespace

int LdPowerPolicyCp::ProcessParsed(CpController* cpController, LdPowerPolicyParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    // Capability decisions are never made on a controller information that was not read.
    Adapter* adapterElement = nullptr;
    u8 perVd = 0;
    u8 uncachedLevel = 0;
    if (manager->GetAdapter(&adapterElement) != 0 || adapterElement == nullptr ||
        adapterElement->IsLdPowerSavingSupported(&perVd) != 0 ||
        adapterElement->IsMaxPowerSavingUncached(&uncachedLevel) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return -1;
    }
    if (perVd == 0) {
        PrintMessage(CommonMsg::kText, "Adapter does not support Power savings on logical drives.\n");
        return -1;
    }
    u8 defaults[ctrldefaults::kSize] = {};
    Controller* controller = cpController->GetController();
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlGetDefaults, mbox, defaults, sizeof defaults);
    const int read = controller != nullptr ? controller->Execute(request) : -1;
    if (read != 0) {
        PrintMessage(CommonMsg::kText, "\nFailed to read MFC default data from adapter\n");
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, kDcmdCtrlGetDefaults,
                      static_cast<u32>(read));
        return -1;
    }
    const u8 flags = ByteView(defaults).U8(ctrldefaults::kOffPowerSaveFlags);
    if (flags != ctrldefaults::kPowerSaveFlagsNotSet && (flags & ctrldefaults::kPowerSaveNoPerVdLevel) != 0) {
        PrintMessage(CommonMsg::kText, "Power savings level cannot be set on per logical drive basis.\n");
        return -1;
    }
    if (object->GetPolicy() == TOKEN_MAXIMUMWITHOUTCACHING && uncachedLevel == 0) {
        PrintMessage(CommonMsg::kText, "Invalid power savings level input.\n");
        return -1;
    }
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapter, &vdCount, "LD"))
        return -1;
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapter);
        return -1;
    }
    LdSelection selection(manager, *object, adapter);
    selection.ReadList();
    const u8 value = PolicyValue(object->GetPolicy(), uncachedLevel != 0);
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
        VirtualDisk* vd = GetVdOrReport(manager, target);
        if (vd == nullptr)
            return -1;
        if (vd->BeginUpdate() != 0) {
            PrintMessage(CommonMsg::kText, "\nbeginUpdate() failed on Vd object\n");
            return -1;
        }
        if ((value == vdrec::kPsMaximum || value == vdrec::kPsMaximumWithoutCaching) &&
            (flags & ctrldefaults::kPowerSaveNoMaximumOnVd) != 0) {
            PrintMessage(CommonMsg::kText, "Maximum power saving on logical drives is not allowed\n");
            return -1;
        }
        if (vd->SetDefaultPsPolicy(value) != 0) {
            PrintMessage(LdMsg::kSetPropertyFailed, adapter);
            return -1;
        }
        const int status = vd->EndUpdate();
        if (status == 0)
            PrintMessage(LdMsg::kSetSuccess, "LdPowerPolicy", adapter, target, vd->GetId()->GetTargetId());
        else
            PrintMessage(LdMsg::kSetFailed, "LdPowerPolicy", adapter, target);
        if (result == 0)
            result = status;
    }
    return result;
}
