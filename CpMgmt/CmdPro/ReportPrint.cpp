#include "CpMgmt/CmdPro/ReportPrint.h"

#include "CpMgmt/CmdPro/CfgMessageIds.h"
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

void DriveBlocks(PhysicalDevice* pd)
{
    if (pd == nullptr)
        return;
    Text(pd->ToString());
    Text(pd->PrintFirmwareState());
    Text(pd->PrintSecurity());
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
