#include "CpMgmt/CmdPro/CfgSaveRestoreCp.h"

#include <string>

#include "CpMgmt/CmdPro/CfgForeignMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<CfgSaveRestoreCp> kRegisterCfgSaveRestoreCp{TOKEN_CFGSAVE, TOKEN_CFGRESTORE};

// The controller's manager with a fresh snapshot: 0, or the failing status after its message.
int FreshManager(CpController* cpController, RaidManager** manager)
{
    const u8 adapter = AdapterNumberOf(cpController);
    *manager = RaidManagerOrReport(cpController, adapter);
    if (*manager == nullptr)
        return -1;
    const int status = (*manager)->Refresh();
    if (status != 0)
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapter);
    return status;
}

}  // namespace

int CfgSaveRestoreCp::ProcessParsed(CpController* cpController, CfgSaveRestorePo* object)
{
    switch (object->GetCommandId()) {
    case TOKEN_CFGSAVE:
        return SaveConfig(cpController, object);
    case TOKEN_CFGRESTORE:
        return RestoreConfig(cpController, object);
    default:
        return 0;
    }
}

int CfgSaveRestoreCp::SaveConfig(CpController* cpController, CfgSaveRestorePo* object)
{
    RaidManager* manager = nullptr;
    int status = FreshManager(cpController, &manager);
    if (status != 0)
        return status;
    if ((status = manager->SaveConfigToFile(object->GetFileName().c_str())) != 0) {
        PrintMessage(CfgForeignMsg::kSaveFailed);
        return status;
    }
    PrintMessage(CfgForeignMsg::kSaved);
    return 0;
}

int CfgSaveRestoreCp::RestoreConfig(CpController* cpController, CfgSaveRestorePo* object)
{
    RaidManager* manager = nullptr;
    const int status = FreshManager(cpController, &manager);
    if (status != 0)
        return status;
    const int restored = manager->RestoreConfigFromFile(object->GetFileName().c_str());
    if (restored != 0 && restored != RaidManager::kStatusOsNotTold) {
        PrintMessage(CfgForeignMsg::kRestoreFailed);
        return -1;
    }
    PrintMessage(CfgForeignMsg::kRestored);
    // The configuration is on the controller; only the operating system was not told of it.
    if (restored == RaidManager::kStatusOsNotTold)
        PrintMessage(CommonMsg::kOsUpdateFailed);
    return restored;
}
