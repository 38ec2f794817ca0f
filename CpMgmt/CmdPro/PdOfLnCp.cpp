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
const CpRegistration<PdOfLnCp> kRegisterPdOfLnCp;

}  // namespace

ArrayList<u16>* PdOfLnCp::GetCommandCodes()
{
    auto* codes = new ArrayList<u16>(1);
    codes->Add(TOKEN_PDOFFLINE);
    return codes;
}

CommandProcessor* PdOfLnCp::Create(u16) { return new PdOfLnCp(); }

int PdOfLnCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    auto* object = dynamic_cast<PdOffLineParsedObject*>(parsedObject);
    if (object == nullptr) {
        PrintMessage(CommonMsg::kDynamicCastFailed, AdapterNumberOf(cpController), "PdOffLineParsedObject *");
        return -1;
    }
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
