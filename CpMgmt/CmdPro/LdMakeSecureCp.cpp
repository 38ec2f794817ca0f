#include "CpMgmt/CmdPro/LdMakeSecureCp.h"

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<LdMakeSecureCp> kRegisterLdMakeSecureCp{TOKEN_LDMAKESECURE};
}  // namespace

int LdMakeSecureCp::ProcessParsed(CpController* cpController, LdMakeSecureParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    u8 vdCount = 0;
    const int found = CountVdsOrReportNone(manager, adapter, &vdCount);
    if (found <= 0)
        return found;
    LdSelection selection(manager, *object, adapter);
    if (selection.ReadList() != 0)
        return -1;
    int status = -1;
    // A drive that does not exist or may not be secured is reported and skipped; the command
    // then ends with -1 so that a script does not take the refusal for success.
    bool refused = false;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        if (!selection.TargetAt(i, &target)) {
            refused = true;
            continue;
        }
        VirtualDisk* vd = selection.Find(target);
        if (vd == nullptr) {
            PrintMessage(CommonMsg::kVdNotFound, adapter, target);
            refused = true;
            continue;
        }
        ReportPrint::VdHeading("", target, ReportPrint::TargetIdOf(vd));
        u8 allowed = 0;
        vd->IsMakeSecureAllowed(&allowed);
        if (allowed == 0) {
            PrintMessage(SecMsg::kMakeSecureNotAllowed);
            refused = true;
            continue;
        }
        status = vd->MakeSecure();
        if (status != 0) {
            PrintMessage(SecMsg::kMakeSecureFailed);
            return status;
        }
        PrintMessage(SecMsg::kMadeSecure);
    }
    return refused ? -1 : status;
}
