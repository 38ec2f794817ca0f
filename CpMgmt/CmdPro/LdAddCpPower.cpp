// The power side of a new virtual drive: the power-save level the adapter allows, and spinning
// up spun-down drives before the configuration is written.
#include <cstddef>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
#include "CpMgmt/CmdPro/LdAddCp.h"
#include "CpMgmt/CmdPro/SpinUpDrives.h"
#include "CpMgmt/CpController.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/UnConfiguredVd.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"


int LdAddCp::ApplyPowerSaving(CpController* cpController, const CfgAddParsedObject* object, UnConfiguredVd* plan)
{
    u8 defaults[ctrldefaults::kSize] = {};
    const int status = ReadCtrlDefaults(cpController, defaults);
    if (status != 0) {
        ReportDefaultsUnreadable(status);
        return -1;
    }
    Adapter* adapter = nullptr;
    u8 vdPowerSaving = 0;
    u8 maximumWithCaching = 0;
    if (raidManager_->GetAdapter(&adapter) != 0 || adapter->IsLdPowerSavingSupported(&vdPowerSaving) != 0 ||
        adapter->IsMaxPowerSavingUncached(&maximumWithCaching) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, AdapterNumberOf(cpController));
        return -1;
    }

    u8 level = object->GetPsPolicy();
    const bool given = level != CfgParsedObject::kPsNotGiven;
    const u8 flags = ByteView(defaults).U8(ctrldefaults::kOffPowerSaveFlags);
    if (vdPowerSaving == 0 && given) {
        PrintMessage(CommonMsg::kText, "Adapter does not support Power savings on logical drives.\n");
        return -1;
    }
    const bool flagsSet = flags != ctrldefaults::kPowerSaveFlagsNotSet;
    if (flagsSet && (flags & ctrldefaults::kPowerSaveNoPerVdLevel) != 0 && given) {
        PrintMessage(CommonMsg::kText, "Power savings level cannot be selected on per logical drive basis.\n");
        return -1;
    }
    const bool maximum = level == vdrec::kPsMaximum || level == vdrec::kPsMaximumWithoutCaching;
    if ((flags & ctrldefaults::kPowerSaveNoMaximumOnVd) != 0 && maximum) {
        PrintMessage(CommonMsg::kText, "Maximum power saving on logical drives is not allowed\n");
        return -1;
    }
    if (maximumWithCaching == 0) {
        if (level == vdrec::kPsMaximumWithoutCaching) {
            PrintMessage(CommonMsg::kText, "Invalid power savings level input.\n");
            return -1;
        }
        if (level == vdrec::kPsMaximum)
            level = vdrec::kPsMaximumWithoutCaching;
    }
    if (!given)
        level = vdPowerSaving != 0 ? vdrec::kPsDefault : vdrec::kPsNone;
    plan->SetPsPolicy(level);
    return 0;
}

int LdAddCp::WaitForSpinUp(CpController*, CfgAddParsedObject*, SpanLists* spans)
{
    return SpinUpDrives(raidManager_, spans);
}
