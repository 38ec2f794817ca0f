// -PdGetMissing: the rows of the adapter's arrays whose drive is missing, with the size a drive
// must have to take the row.
#include <vector>

#include "CpMgmt/CmdPro/PdCfgImage.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CmdPro/PdOnLnCp.h"
#include "CpMgmt/CpController.h"
#include "dataif/CfgData.h"
#include "runtime/CtMessage.h"

namespace {
// One missing row: the array's position, the row, and the array's size on each member.
struct MissingRow {
    u16 array;
    u8 row;
    u64 blocks;
};

// 512-byte blocks to MB.
constexpr unsigned kBlocksToMbShift = 11;
}  // namespace

int PdOnLnCp::GetMissing(CpController* cpController)
{
    Controller* controller = cpController ? cpController->GetController() : nullptr;
    PdCfgImage cfg;
    if (cfg.ReadHead(controller) != 0)
        return -1;
    if (cfg.GetVdCount() == 0)
        return 0;
    if (cfg.ReadWhole(controller) != 0)
        return -1;

    std::vector<MissingRow> missing;
    for (u16 a = 0; a < cfg.GetArrayCount(); ++a)
        for (u8 r = 0; r < cfg.GetRowCount(a); ++r)
            if (cfg.GetRowDeviceId(a, r) == ArrayRowData::kMissingDevice)
                missing.push_back({a, r, cfg.GetArrayBlocks(a)});

    const u8 adapter = AdapterNumberOf(cpController);
    if (missing.empty()) {
        PrintMessage(PdMsg::kNoMissingDrive, adapter);
        return 0;
    }
    PrintMessage(PdMsg::kMissingHeading, adapter);
    for (std::size_t i = 0; i < missing.size(); ++i) {
        const unsigned long mb = static_cast<u32>(missing[i].blocks >> kBlocksToMbShift);
        PrintMessage(PdMsg::kMissingRow, static_cast<int>(i), static_cast<int>(missing[i].array),
                     static_cast<int>(missing[i].row), mb);
    }
    return 0;
}
