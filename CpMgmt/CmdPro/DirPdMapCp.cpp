#include "CpMgmt/CmdPro/DirPdMapCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/DirectPdMappingParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdMappingCp> kRegisterPdMappingCp{TOKEN_DIRECTPDMAPPING};

int ExecuteDcmd(Controller* controller, u32 opcode, u8* block)
{
    if (controller == nullptr)
        return -1;
    const u8 mbox[mailbox::kSize] = {};
    DcmdFwiDpParams request(opcode, mbox, block, ctrldefaults::kSize);
    return controller->Execute(request);
}

}  // namespace

int PdMappingCp::ProcessParsed(CpController* cpController, PdMappingParsedObject* object)
{
    u8 defaults[ctrldefaults::kSize] = {};
    const u8 adapter = AdapterNumberOf(cpController);
    Controller* controller = cpController ? cpController->GetController() : nullptr;

    if (ExecuteDcmd(controller, kDcmdCtrlGetDefaults, defaults) != 0) {
        PrintMessage(CommonMsg::kGetDataFailed, adapter);
        return -1;
    }
    if (object->GetAction() == TOKEN_DSPLY) {
        const bool enabled = ByteView(defaults).U8(ctrldefaults::kOffDirectPdMapping) != 0;
        PrintMessage(PdMsg::kDirectPdMappingIs, adapter, enabled ? "Enabled" : "Disabled");
        return 0;
    }

    // The rest of the block goes back as it was read.
    ByteWriter(defaults).PutU8(ctrldefaults::kOffDirectPdMapping, object->GetAction() == TOKEN_ENBL ? 1 : 0);
    if (ExecuteDcmd(controller, kDcmdCtrlSetDefaults, defaults) != 0) {
        PrintMessage(CommonMsg::kSetDataFailed, adapter);
        return -1;
    }
    PrintMessage(PdMsg::kDirectPdMappingSet, adapter);
    PrintMessage(PdMsg::kRebootRequired);
    return 0;
}
