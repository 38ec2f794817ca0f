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

const CpRegistration<ObjNumberCp> kRegisterObjNumberCp{TOKEN_LDGETNUM, TOKEN_PDGETNUM};
}  // namespace

int ObjNumberCp::ProcessParsed(CpController* cpController, ObjNumberParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    switch (object->GetCommandId()) {
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
