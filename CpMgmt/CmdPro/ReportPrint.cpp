#include "CpMgmt/CmdPro/ReportPrint.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace ReportPrint {

namespace {
// Well below the catalogue's 2048-byte print buffer.
constexpr std::size_t kChunkSize = 1024;
}  // namespace

void Text(const char* text)
{
    if (text == nullptr)
        return;
    const std::size_t length = std::strlen(text);
    for (std::size_t at = 0; at < length; at += kChunkSize) {
        const std::string chunk(text + at, std::min(kChunkSize, length - at));
        PrintMessage(CommonMsg::kText, chunk.c_str());
    }
}

void Text(const string& text) { Text(text.GetCStr()); }

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
