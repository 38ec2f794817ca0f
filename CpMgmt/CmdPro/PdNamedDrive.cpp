#include "CpMgmt/CmdPro/PdNamedDrive.h"

#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/TextHelpers.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

int FindNamedDrive(CpController* cpController, RaidManager* manager, u16 enclosureId, u8 slot, NamedDrive* drive)
{
    drive->enclosureId = enclosureId;
    drive->slot = slot;
    drive->pd = nullptr;
    int status = CommandProcessor::ResolveEnclosureId(cpController, &drive->enclosureId);
    if (status != 0)
        return status;
    drive->pd = manager->GetPdByEnclSlot(EnclSlotId(drive->enclosureId, slot));
    return 0;
}

int ReportPdNotFound(RaidManager* manager, u8 adapter, const NamedDrive& drive)
{
    u16 count = 0;
    int status = manager->GetPdCount(&count);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get PD list");
        return status;
    }
    PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(drive.enclosureId), drive.slot);
    return -1;
}
