#include "CpMgmt/CmdPro/AdAutoRbldCp.h"

#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpAutoRbldCp> kRegisterAdpAutoRbldCp{TOKEN_ADPAUTORBLD};
}  // namespace

int AdpAutoRbldCp::ProcessParsed(CpController* cpController, AdpAutoRbldParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0 || adapter == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    switch (object->GetOperation()) {
    case TOKEN_ENBL:
    case TOKEN_DSBL: {
        const bool disable = object->GetOperation() == TOKEN_DSBL;
        // The setter marks the properties changed even when the state stays, so they are written.
        if (adapter->SetProperty(AdpProperty::AutoRbldDsbl, disable ? 1 : 0) != 0 || adapter->ReadAdpProperties() != 0 ||
            adapter->WriteAdpProperties() != 0) {
            PrintMessage(CommonMsg::kSetDataFailed, adapterNumber);
            return -1;
        }
        PrintMessage(AdpPropMsg::kAutoRebuildIs, adapterNumber, disable ? "Disabled" : "Enabled");
        return 0;
    }
    case TOKEN_DSPLY: {
        u8 disabled = 0;
        if (adapter->GetAutoRbldDsbl(&disabled) != 0) {
            PrintMessage(CommonMsg::kGetDataFailed, adapterNumber);
            return -1;
        }
        PrintMessage(AdpPropMsg::kAutoRebuildIs, adapterNumber, disabled != 0 ? "Disabled" : "Enabled");
        return 0;
    }
    default:
        PrintMessage(CommonMsg::kInvalidOption);
        return -1;
    }
}
