#include "CpMgmt/CmdPro/PdMakeGoodCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "parsers/PdOffLineParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdMakeGoodCp> kRegisterPdMakeGoodCp{TOKEN_PDMAKEGOOD};

}  // namespace

int PdMakeGoodCp::ProcessParsed(CpController* cpController, PdOffLineParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    const u8 force = object->GetForce();
    return ChangeNamedDrives(cpController, manager, adapter, object->GetPdList(), [adapter, force](NamedDrive& drive) {
        const char* enclosure = EnclosureIdText(drive.enclosureId);
        // A drive whose state cannot be read may be a system drive holding data: only -Force
        // changes it.
        u16 state = 0;
        if (drive.pd->GetFwState(&state) != 0)
            state = PhysicalDevice::kStateSystem;
        if (state == PhysicalDevice::kStateSystem && force != 1) {
            PrintMessage(PdMsg::kJbodNeedsForce, adapter);
            return -1;
        }
        const int status = drive.pd->SetFwState(PhysicalDevice::kStateUnconfiguredGood);
        if (status == fwstatus::kJbodConversionLimit)
            PrintMessage(PdMsg::kJbodConversionLimit);
        else
            PrintMessage(status == 0 ? PdMsg::kStateUnconfiguredGood : PdMsg::kStateChangeFailed, adapter, enclosure,
                         drive.slot);
        return status;
    });
}
