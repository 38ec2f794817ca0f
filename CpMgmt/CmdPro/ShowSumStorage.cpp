// Summary: the Storage section, a block per virtual drive.
#include <string>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/ShowSumCp.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/TextHelpers.h"
#include "dataif/RaidLevels.h"
#include "fwdata/VdValueText.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdInfo.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/VirtualDisk.h"

namespace {

void PrintSummaryVdName(const SummaryOut& out, const ByteView& info)
{
    const int target = info.U8(vdrec::kOffTargetId);
    const std::string name = info.Text(vdrec::kName);
    if (out.ToFile()) {
        out.Printf("                Virtual drive      : Target Id %d,VD name %s\n", target, name.c_str());
    } else {
        out.Text("                Virtual drive      : Target Id ");
        out.Number(target);
        out.Text(",VD name ");
        out.Text(name);
        out.Text("\n");
    }
}

// The running operations: in the file a line each, on the console joined on one line.
void PrintSummaryVdOperations(const SummaryOut& out, const ByteView& info)
{
    static constexpr std::pair<u32, const char*> kOperations[] = {
        {vdinfo::kRunningCc, "Consistency Check"},
        {vdinfo::kRunningBgi, "Background Initialization"},
        {vdinfo::kRunningInit, "Initialization"},
        {vdinfo::kRunningRecon, "Reconstruction"},
    };
    const u32 running = info.U32(vdinfo::kOffRunning);
    if ((running & (vdinfo::kRunningCc | vdinfo::kRunningBgi | vdinfo::kRunningInit | vdinfo::kRunningRecon)) == 0)
        return;
    out.Text("                Operation In Progress : ");
    for (const auto& [bit, text] : kOperations) {
        if ((running & bit) != 0) {
            out.Text(text);
            if (out.ToFile())
                out.Text("\n");
        }
    }
    if (!out.ToFile())
        out.Text("\n");
}

void PrintSummaryVdLevel(const SummaryOut& out, const ByteView& info)
{
    out.Text("                RAID Level         : ");
    if (info.U8(vdrec::kOffSscd) != 0) {
        out.Text(out.ToFile() ? "FlashTier\n" : "FlashTier \n");
        return;
    }
    u8 level = info.U8(vdrec::kOffPrimaryLevel);
    if (level == raidlevel::kRaid1Alt)
        level = raidlevel::kRaid1;
    // A spanned level shows as its digits followed by 0: RAID 1, 5 and 6 spanned are 10, 50, 60.
    const bool spanned = info.U8(vdrec::kOffSpanDepth) > 1;
    if (spanned) {
        char digits[11] = {};
        UIntToDecimalText(level, digits);
        out.Text(digits);
    }
    if (out.ToFile()) {
        out.Printf("%d\n", spanned ? 0 : level);
    } else {
        out.Number(spanned ? 0 : level);
        out.Text("\n");
    }
}

// The block of one virtual drive; `snapshots` tells whether the controller has snapshots.
void PrintSummaryVd(const SummaryOut& out, const ByteView& info, u8 snapshots)
{
    PrintSummaryVdName(out, info);
    char size[32] = {};
    KBToSizeText(info.U64(vdinfo::kOffSizeBlocks) / 2, size);
    out.Line("                Size               : ", size);
    out.Line("                State              : ", VdSummaryStateText(info.U8(vdrec::kOffState)));
    PrintSummaryVdOperations(out, info);
    PrintSummaryVdLevel(out, info);
    if (snapshots != 0)
        out.Line("                Snapshot State     : ", info.U8(vdrec::kOffSnapshot) != 0 ? "Enabled" : "Disabled");
    out.Text("\n");
}

}  // namespace

void ShowSummaryCp::PrintStorage(const SummaryOut& out, CpController* cpController, u8 adapter,
                                 Adapter* adapterElement)
{
    const ByteView list(vdList_);
    const u32 count = list.U32(vdlist::kOffCount);
    if (count != 0) {
        out.Text("Storage\n\n");
        out.Text(out.ToFile() ? "       Virtual Drives\n" : "       Virtual Drives");
    }
    if (!out.ToFile())
        out.Text("\n");
    // A snapshot capability that cannot be read counts as none.
    u8 snapshots = 0;
    if (adapterElement->IsSnapshotSupported(&snapshots) != 0)
        snapshots = 0;

    // The list holds kMaxEntries entries; a larger count is not believed past them.
    for (u32 i = 0; i < count && i < vdlist::kMaxEntries; ++i) {
        const u8 targetId = list.U8(vdlist::kOffEntries + i * vdlist::kEntrySize + vdlist::kEntryOffTargetId);
        u8 buffer[vdinfo::kSize] = {};
        RequestMailbox mbox;
        mbox.Writer().PutU8(mailbox::kOffTargetId, targetId);
        const int status = SendDcmd(cpController, kDcmdLdGetInfo, buffer, sizeof buffer, mbox);
        if (status != 0) {
            status_.Fail(status);
            PrintReadFailure(adapter, ("the information of virtual drive " + std::to_string(targetId)).c_str());
            continue;
        }
        PrintSummaryVd(out, ByteView(buffer), snapshots);
    }
}
