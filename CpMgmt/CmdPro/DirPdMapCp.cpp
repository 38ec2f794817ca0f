#include "CpMgmt/CmdPro/DirPdMapCp.h"

#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/DirectPdMappingParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdMappingCp> kRegisterPdMappingCp{TOKEN_DIRECTPDMAPPING};
}  // namespace

int PdMappingCp::ProcessParsed(CpController* cpController, PdMappingParsedObject* object)
{
    u8 defaults[ctrldefaults::kSize] = {};
    const u8 adapter = AdapterNumberOf(cpController);

    if (ReadCtrlDefaults(cpController, defaults) != 0) {
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
    if (SendDcmd(cpController, kDcmdCtrlSetDefaults, defaults, ctrldefaults::kSize) != 0) {
        PrintMessage(CommonMsg::kSetDataFailed, adapter);
        return -1;
    }
    PrintMessage(PdMsg::kDirectPdMappingSet, adapter);
    PrintMessage(PdMsg::kRebootRequired);
    return 0;
}
