#include "CpMgmt/CmdPro/AdShtDnCp.h"

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpShutDownCp> kRegisterAdpShutDownCp{TOKEN_ADPSHUTDOWN};
}  // namespace

int AdpShutDownCp::ProcessParsed(CpController* cpController, AdpShutDownParsedObject* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, true);
    if (adapter == nullptr)
        return -1;
    const int status = adapter->ShutDown(kShutdownKind);
    PrintMessage(status == 0 ? AdpOpsMsg::kShutDown : AdpOpsMsg::kShutDownFailed, adapterNumber);
    return status;
}
