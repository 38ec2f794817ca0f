#include "CpMgmt/CmdPro/CfgClrCp.h"

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgClrParsedObject.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpCfgClrCp> kRegisterAdpCfgClrCp{TOKEN_CFGCLR};
}  // namespace

int AdpCfgClrCp::ProcessParsed(CpController* cpController, AdpCfgClrParsedObject* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    const u8 force = object->GetForce() != 0 ? 1 : 0;
    const int status = manager->ClearCfg(force);
    if (force == 0) {
        if (status == RaidManager::kStatusDataLoss)
            PrintMessage(CommonMsg::kDataLossWarning);
        PrintMessage(CommonMsg::kLineEnd);
    }
    if (status == 0) {
        PrintMessage(CfgMsg::kCleared, adapterNumber);
        return 0;
    }
    if (status == RaidManager::kStatusOsNotTold) {
        PrintMessage(CommonMsg::kOsUpdateFailed);
        return status;
    }
    PrintMessage(CfgMsg::kClearFailed, adapterNumber);
    return status;
}
