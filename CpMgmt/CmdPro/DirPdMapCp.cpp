#include "CpMgmt/CmdPro/DirPdMapCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/LeBytes.h"
#include "parsers/DirectPdMappingParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdMappingCp> kRegisterPdMappingCp{TOKEN_DIRECTPDMAPPING};

constexpr u32 kOpReadDefaults = 0x010E0201;
constexpr u32 kOpWriteDefaults = 0x010E0202;
constexpr u32 kDefaultsSize = 72;
constexpr std::size_t kDirectPdMapping = 31;

int ExecuteDcmd(Controller* controller, u32 opcode, u8* block)
{
    if (controller == nullptr)
        return -1;
    const u8 mbox[12] = {};
    DcmdFwiDpParams request(opcode, mbox, block, kDefaultsSize);
    return controller->Execute(request);
}

}  // namespace

int PdMappingCp::ProcessParsed(CpController* cpController, PdMappingParsedObject* object)
{
    u8 defaults[kDefaultsSize] = {};
    const u8 adapter = AdapterNumberOf(cpController);
    Controller* controller = cpController ? cpController->GetController() : nullptr;

    if (ExecuteDcmd(controller, kOpReadDefaults, defaults) != 0) {
        PrintMessage(PdMsg::kGetDataFailed, adapter);
        return -1;
    }
    if (object->GetAction() == TOKEN_DSPLY) {
        PrintMessage(PdMsg::kDirectPdMappingIs, adapter, LeU8(defaults, kDirectPdMapping) != 0 ? "Enabled" : "Disabled");
        return 0;
    }

    // The rest of the block goes back as it was read.
    PutLeU8(defaults, kDirectPdMapping, object->GetAction() == TOKEN_ENBL ? 1 : 0);
    if (ExecuteDcmd(controller, kOpWriteDefaults, defaults) != 0) {
        PrintMessage(PdMsg::kSetDataFailed, adapter);
        return -1;
    }
    PrintMessage(PdMsg::kDirectPdMappingSet, adapter);
    PrintMessage(PdMsg::kRebootRequired);
    return 0;
}
