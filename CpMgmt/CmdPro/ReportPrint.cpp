#include "CpMgmt/CmdPro/ReportPrint.h"

#include <cstdio>

#include <string>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/TextHelpers.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/CtPrint.h"

namespace ReportPrint {

// A block goes to the printer as it stands, however long: it is already formatted, so it takes
// neither the message catalogue's print buffer nor a copy of its own.
void Text(const char* text)
{
    if (text != nullptr)
        CtPrint::Instance().Print(text);
}

void Text(const string& text) { Text(text.GetCStr()); }

int FailedToGet(const char* what, int status)
{
    PrintMessage(CommonMsg::kFailedToGet, what);
    return status != 0 ? status : -1;
}

int DriveBlocks(u8 adapter, PhysicalDevice* pd)
{
    if (pd == nullptr)
        return -1;
    u16 enclosureId = 0;
    u8 slot = 0;
    pd->GetEnclDeviceId(&enclosureId);
    pd->GetSlotNumber(&slot);
    const int status = pd->ReadRecord();
    if (status != 0) {
        Text(pd->PrintLocation());
        PrintDriveReadFailure(adapter, enclosureId, slot);
        // The empty lines that end a drive's blocks, so that the next drive stands apart.
        Text("\n\n");
        return status;
    }
    Text(pd->PrintInfo());
    string spare;
    const int spareStatus = pd->GetSpareText(&spare);
    if (spareStatus != 0) {
        const std::string what = std::string("the hot-spare information of the device at Enclosure - ") +
                                 EnclosureIdText(enclosureId) + ", Slot - " + std::to_string(slot);
        PrintReadFailure(adapter, what.c_str());
    } else {
        Text(spare.IsEmpty() ? string("\n") : spare);
    }
    Text(pd->PrintFirmwareState());
    Text(pd->PrintSecurity());
    return spareStatus;
}

int VdBlock(u8 adapter, VirtualDisk* vd)
{
    int infoStatus = 0;
    Text(vd->Print(&infoStatus));
    if (infoStatus != 0) {
        char what[64];
        std::snprintf(what, sizeof what, "the information of virtual drive %d", static_cast<int>(TargetIdOf(vd)));
        PrintReadFailure(adapter, what);
    }
    return infoStatus;
}

u16 TargetIdOf(const VirtualDisk* vd) { return vd->GetId()->GetFwTargetId(); }

void VdHeading(const char* prefix, int number, u16 targetId)
{
    PrintMessage(CfgMsg::kVdTitle, prefix, number, static_cast<int>(targetId));
}

void VdHeading(const VirtualDisk* vd)
{
    const u16 targetId = TargetIdOf(vd);
    VdHeading(vd->IsSscd() ? kFlashTierPrefix : "", targetId, targetId);
}

}  // namespace ReportPrint
