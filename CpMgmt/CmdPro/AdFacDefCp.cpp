#include "CpMgmt/CmdPro/AdFacDefCp.h"

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpFacDefSetCp> kRegisterAdpFacDefSetCp{TOKEN_ADPFACDEFSET};
}  // namespace

int AdpFacDefSetCp::ProcessParsed(CpController* cpController, AdpFacDefSetPo* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    const int status = SendDcmd(cpController, kDcmdCtrlFactoryDefaults, nullptr, 0);
    if (status != 0) {
        PrintMessage(AdpOpsMsg::kFactoryDefaultsFailed, adapterNumber);
        return status;
    }
    PrintMessage(AdpOpsMsg::kFactoryDefaultsSet, adapterNumber);
    PrintMessage(CommonMsg::kRebootNeeded);
    return 0;
}
