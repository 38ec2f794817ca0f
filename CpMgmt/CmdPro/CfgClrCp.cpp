#include "CpMgmt/CmdPro/CfgClrCp.h"

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgClrParsedObject.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpCfgClrCp> kRegisterAdpCfgClrCp;

constexpr u32 kMsgNewLine = 0x2;
constexpr u32 kMsgDynamicCastFailed = 0x11;
constexpr u32 kMsgNoRaidManager = 0x30021;
constexpr u32 kMsgOsNotTold = 0x36067;
constexpr u32 kMsgDataLoss = 0x3610D;

}  // namespace

ArrayList<u16>* AdpCfgClrCp::GetCommandCodes()
{
    auto* codes = new ArrayList<u16>(1);
    codes->Add(TOKEN_CFGCLR);
    return codes;
}

CommandProcessor* AdpCfgClrCp::Create(u16) { return new AdpCfgClrCp(); }

int AdpCfgClrCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    auto* object = dynamic_cast<AdpCfgClrParsedObject*>(parsedObject);
    if (object == nullptr) {
        PrintMessage(kMsgDynamicCastFailed, AdapterNumberOf(cpController), "AdpCfgClrParsedObject *");
        return -1;
    }
    const u8 adapterNumber = object->GetAdapterNumber();
    RaidManager* manager = RaidManager::GetRaidManager(cpController->GetController());
    if (manager == nullptr) {
        PrintMessage(kMsgNoRaidManager, adapterNumber);
        return -1;
    }
    const u8 force = object->GetForce() != 0 ? 1 : 0;
    const int status = manager->ClearCfg(force);
    if (force == 0) {
        if (status == RaidManager::kStatusDataLoss)
            PrintMessage(kMsgDataLoss);
        PrintMessage(kMsgNewLine);
    }
    if (status == 0) {
        PrintMessage(CfgMsg::kCleared, adapterNumber);
        return 0;
    }
    if (status == RaidManager::kStatusOsNotTold) {
        PrintMessage(kMsgOsNotTold);
        return status;
    }
    PrintMessage(CfgMsg::kClearFailed, adapterNumber);
    return status;
}
