#include "CpMgmt/CmdPro/PdOnLnCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOnLineParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdOnLnCp> kRegisterPdOnLnCp{TOKEN_PDONLINE};

// Starts or stops the locate indication of the drive and says so.
int Locate(NamedDrive& drive, u8 adapter, u8 option)
{
    const bool start = option == PdOnLineParsedObject::kLocateStart;
    int status = start ? drive.pd->StartLocate(0) : drive.pd->StopLocate();
    const u32 message = status != 0 ? PdMsg::kLocateFailed : start ? PdMsg::kLocateStarted : PdMsg::kLocateStopped;
    PrintMessage(message, adapter, EnclosureIdText(drive.enclosureId), drive.slot);
    return status;
}

// Brings the drive online or marks it missing, and says so.
int ChangeState(NamedDrive& drive, u8 adapter, u8 operation)
{
    const bool online = operation == PdOnLineParsedObject::kOnline;
    int status = online ? drive.pd->SetFwState(PhysicalDevice::kStateOnline) : drive.pd->MarkMissing();
    if (status != 0)
        PrintMessage(PdMsg::kStateChangeFailed, adapter, EnclosureIdText(drive.enclosureId), drive.slot);
    else
        PrintMessage(online ? PdMsg::kStateOnline : PdMsg::kMarkedMissing, EnclosureIdText(drive.enclosureId),
                     drive.slot);
    return status;
}
}  // namespace

int PdOnLnCp::ProcessParsed(CpController* cpController, PdOnLineParsedObject* object)
{
    const u8 operation = object->GetOperation();
    if (operation == PdOnLineParsedObject::kGetMissing)
        return GetMissing(cpController);

    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    const u8 locateOption = object->GetLocateOption();
    for (const PdIdListObject& named : object->GetPdList()) {
        NamedDrive drive;
        int status = FindNamedDrive(cpController, manager, named.GetEnclId(), named.GetSlot(), &drive);
        if (status != 0)
            return status;
        if (drive.pd == nullptr)
            return ReportPdNotFound(manager, adapter, drive);
        status = operation == PdOnLineParsedObject::kLocate ? Locate(drive, adapter, locateOption)
                                                              : ChangeState(drive, adapter, operation);
        if (status != 0)
            return status;
    }
    return 0;
}
