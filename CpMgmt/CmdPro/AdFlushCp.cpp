#include "CpMgmt/CmdPro/AdFlushCp.h"

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpCacheFlushCp> kRegisterAdpCacheFlushCp{TOKEN_ADPCACHEFLUSH};
}  // namespace

int AdpCacheFlushCp::ProcessParsed(CpController* cpController, AdpCacheFlushParsedObject*)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, false);
    if (adapter == nullptr)
        return -1;
    if (adapter->FlushCache() != 0) {
        PrintMessage(AdpOpsMsg::kCacheFlushFailed, adapterNumber);
        return -1;
    }
    PrintMessage(AdpOpsMsg::kCacheFlushed, adapterNumber);
    return 0;
}
