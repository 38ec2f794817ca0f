#include "CpMgmt/CmdPro/PdOfLnCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdOfLnCp> kRegisterPdOfLnCp{TOKEN_PDOFFLINE};
}  // namespace

int PdOfLnCp::ProcessParsed(CpController* cpController, PdOffLineParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    return ChangeNamedDrives(cpController, manager, adapter, object->GetPdList(), [adapter](NamedDrive& drive) {
        int status = drive.pd->SetFwState(PhysicalDevice::kStateOffline);
        const u32 message = status == 0 ? PdMsg::kStateOffline : PdMsg::kStateChangeFailed;
        PrintMessage(message, adapter, EnclosureIdText(drive.enclosureId), drive.slot);
        return status;
    });
}
