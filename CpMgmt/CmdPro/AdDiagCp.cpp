#include "CpMgmt/CmdPro/AdDiagCp.h"

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpDiagCp> kRegisterAdpDiagCp{TOKEN_ADPDIAG};
}  // namespace

int AdpDiagCp::ProcessParsed(CpController* cpController, AdpDiagParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    const u32 seconds = object->GetSeconds();
    if (seconds > kMaxSeconds) {
        PrintMessage(AdpOpsMsg::kDiagTooLong, adapterNumber);
        PrintMessage(AdpOpsMsg::kDiagNotStarted, adapterNumber);
        return -1;
    }
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, true);
    if (adapter == nullptr)
        return -1;
    PrintMessage(AdpOpsMsg::kDiagRunning, adapterNumber, static_cast<long>(seconds));
    const int status = adapter->PerformDiagnostic(seconds);
    PrintMessage(status == 0 ? AdpOpsMsg::kDiagCompleted : AdpOpsMsg::kDiagFailed, adapterNumber);
    return status;
}
