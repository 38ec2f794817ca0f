#include "CpMgmt/CmdPro/AdPhyErrCtCp.h"

#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/PhyErrorLog.h"
#include "fwdata/layout/PhyList.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpPhyErrorCtsCp> kRegisterAdpPhyErrorCtsCp{TOKEN_PHYERRORCOUNTERS};

int CountersFailed(u8 adapter, int status)
{
    PrintMessage(AdpMsg::kPhyCountersFailed, adapter);
    return status;
}

}  // namespace

int AdpPhyErrorCtsCp::ProcessParsed(CpController* cpController, PhyErrCtParsedObject* /*object*/)
{
    const u8 adapter = AdapterNumberOf(cpController);
    Adapter* adapterElement = RefreshedAdapterOrReport(cpController, adapter);
    if (adapterElement == nullptr)
        return -1;

    u8 direct = 0;
    adapterElement->IsMoreThan8PhysSupported(&direct);
    u32 count = 0;
    int status = adapterElement->GetPhyCount(&count);
    if (status != 0)
        return CountersFailed(adapter, status);

    PrintMessage(CommonMsg::kAdapterTitle, adapter);
    PrintMessage(CommonMsg::kUnderline);
    // A PHY whose counters cannot be read is named in a line, and the report goes on.
    ReportStatus report;
    for (u32 phy = 0; phy < count && phy < phylist::kMaxEntries; ++phy) {
        u8 disabled = 0;
        status = adapterElement->IsPhyDisabled(phy, &disabled);
        if (status != 0) {
            report.Fail(status);
            CountersFailed(adapter, status);
            return report.Result();
        }
        if (disabled != 0) {
            // The report goes on with the next PHY.
            PrintMessage(AdpMsg::kPhyDisabled, static_cast<int>(phy));
            continue;
        }
        u32 words[phyerrlog::kCounterWords] = {};
        status = direct != 0 ? adapterElement->GetPhyErrorCountersDirect(phy, words)
                             : adapterElement->GetPhyErrorCounters(phy, words);
        if (status != 0) {
            report.Fail(status);
            PrintReadFailure(adapter, ("the error counters of PHY " + std::to_string(phy)).c_str());
            continue;
        }
        PrintMessage(AdpMsg::kPhyNumber, static_cast<int>(phy));
        PrintMessage(AdpMsg::kPhyInvalidDwords, static_cast<int>(words[phyerrlog::kWordInvalidDwords]));
        PrintMessage(AdpMsg::kPhyDisparityErrors, static_cast<int>(words[phyerrlog::kWordDisparityErrors]));
        PrintMessage(AdpMsg::kPhyDwordSyncLosses, static_cast<int>(words[phyerrlog::kWordDwordSyncLosses]));
        PrintMessage(AdpMsg::kPhyResetProblems, static_cast<int>(words[phyerrlog::kWordResetProblems]));
        PrintMessage(CommonMsg::kLineEnd);
    }
    return report.Result();
}
