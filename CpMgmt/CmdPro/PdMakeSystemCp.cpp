#include "CpMgmt/CmdPro/PdMakeSystemCp.h"

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
const CpRegistration<PdMakeSystemCp> kRegisterPdMakeSystemCp{TOKEN_PDMAKEJBOD};
}  // namespace

int PdMakeSystemCp::ProcessParsed(CpController* cpController, PdOffLineParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    return ChangeNamedDrives(cpController, manager, adapter, object->GetPdList(), [adapter](NamedDrive& drive) {
        int status = drive.pd->SetFwState(PhysicalDevice::kStateSystem);
        const u32 message = status == 0 ? PdMsg::kStateJbod : PdMsg::kStateChangeFailed;
        PrintMessage(message, adapter, EnclosureIdText(drive.enclosureId), drive.slot);
        return status;
    });
}
