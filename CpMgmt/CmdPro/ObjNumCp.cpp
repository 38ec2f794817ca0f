#include "CpMgmt/CmdPro/ObjNumCp.h"

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<ObjNumberCp> kRegisterObjNumberCp;

}  // namespace

ArrayList<u16>* ObjNumberCp::GetCommandCodes()
{
    auto* codes = new ArrayList<u16>(2);
    codes->Add(TOKEN_LDGETNUM);
    codes->Add(TOKEN_PDGETNUM);
    return codes;
}

CommandProcessor* ObjNumberCp::Create(u16) { return new ObjNumberCp(); }

int ObjNumberCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    const u8 adapter = AdapterNumberOf(cpController);
    if (parsedObject == nullptr) {
        PrintMessage(CommonMsg::kDynamicCastFailed, adapter, "ObjNumberParsedObject *");
        return -1;
    }
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    switch (parsedObject->GetCommandId()) {
    case TOKEN_LDGETNUM: {
        u8 count = 0;
        if (manager->GetVdCount(&count) != 0) {
            PrintMessage(AdpMsg::kVdCountFailed, adapter);
            return -1;
        }
        PrintMessage(AdpMsg::kVdCount, adapter, count);
        return count;
    }
    case TOKEN_PDGETNUM: {
        u16 count = 0;
        if (manager->GetPdCount(&count) != 0) {
            PrintMessage(AdpMsg::kPdCountFailed, adapter);
            return -1;
        }
        PrintMessage(AdpMsg::kPdCount, adapter, count);
        return count;
    }
    default:
        PrintMessage(CommonMsg::kText, "ObjNumberCp called incorrectly...");
        return 0;
    }
}
