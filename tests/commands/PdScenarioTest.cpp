// One drive's life in the RAID 5, through the tool alone and across runs on one state file: a
// member taken offline degrades the virtual drive, a new hot spare takes its row and rebuilds it
// while the clock moves, the spare copies the row back onto the original drive and becomes a
// spare again; then a member is marked missing, its empty row is filled by another drive, and
// that drive is rebuilt. Every step's output and status, and the progress lines at exact clock
// values (percent = progress x 100 / 65535 and minutes = seconds / 60, both truncated).
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

class PdScenarioTest : public BgOpTest {
protected:
    std::string VdState()
    {
        const std::string out = Tool({"-LDInfo", "-L0", "-a0"}).out;
        return report_test::Outline(out, {"State"});
    }
    // The output of one run, expected to succeed.
    std::string Ok(const std::vector<std::string>& args)
    {
        RunResult r = Tool(args);
        EXPECT_EQ(r.exitCode, 0) << args[0] << "\n" << r.out;
        return r.out;
    }
    std::string RbldProgress(const std::string& drive)
    {
        return Ok({"-PDRbld", "-ShowProg", "-PhysDrv[" + drive + "]", "-a0"});
    }
    std::string CpyBkProgress(const std::string& drive)
    {
        return Ok({"-PDCpyBk", "-ShowProg", "-PhysDrv[" + drive + "]", "-a0"});
    }
};

TEST_F(PdScenarioTest, OfflineSpareRebuildCopybackThenMissingAndReplaced)
{
    WriteState(State());
    // Without its spare the array stays degraded when a member goes.
    EXPECT_EQ(Ok({"-PDHSP", "-Rmv", "-PhysDrv[252:6]", "-a0"}),
              "Adapter: 0: Remove Physical Drive at EnclId-252 SlotId-6 as Hot Spare Success.\n" + kExitOk);

    EXPECT_EQ(Ok({"-PDOffline", "-PhysDrv[252:2]", "-a0"}),
              "Adapter: 0: EnclId-252 SlotId-2 state changed to OffLine.\n" + kExitOk);
    EXPECT_EQ(DriveState(10), "offline");
    EXPECT_EQ(VdState(), "State: Degraded\n");
    EXPECT_EQ(RbldProgress("252:2"), "Device(Encl-252 Slot-2) is not in rebuild process\n" + kExitOk);

    // A new (revertible) spare takes the offline drive's row at once and rebuilds it.
    EXPECT_EQ(Ok({"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"}),
              "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-7 as Hot Spare Success.\n" + kExitOk);
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 15, 11}));
    EXPECT_EQ(DriveState(15), "rebuild");
    EXPECT_EQ(DriveState(10), "unconfigured_good");

    const u64 rebuildStart = Now();
    SteerOperation("rebuild", 6000);
    EXPECT_EQ(RbldProgress("252:7"),
              "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 0% in 0 Minutes.\n" + kExitOk);
    // 3000 of 6000 seconds: progress 32767 (49.99 %), 50 minutes.
    SetClock(rebuildStart, 3000);
    EXPECT_EQ(RbldProgress("252:7"),
              "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 49% in 50 Minutes.\n" + kExitOk);
    // One second before the end: progress 65524 (99.98 %), 99.98 minutes.
    SetClock(rebuildStart, 5999);
    EXPECT_EQ(RbldProgress("252:7"),
              "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 99% in 99 Minutes.\n" + kExitOk);
    EXPECT_EQ(VdState(), "State: Degraded\n");
    SetClock(rebuildStart, 6000);
    EXPECT_EQ(RbldProgress("252:7"), "Device(Encl-252 Slot-7) is not in rebuild process\n" + kExitOk);
    EXPECT_EQ(DriveState(15), "online");
    EXPECT_EQ(VdState(), "State: Optimal\n");

    // The spare copies the row back onto the drive it replaced.
    EXPECT_EQ(Ok({"-PDCpyBk", "-Start", "-PhysDrv[252:7,252:2]", "-a0"}),
              "Started Copyback Operation Successfully. \n" + kExitOk);
    EXPECT_EQ(DriveState(10), "copyback");
    const u64 copybackStart = Now();
    SteerOperation("copyback", 120);
    // 119 of 120 seconds: progress 64988 (99.17 %), 1 minute.
    SetClock(copybackStart, 119);
    EXPECT_EQ(CpyBkProgress("252:2"),
              "Copyback Progress on Device at Enclosure 252, Slot 2 Completed 99% in 1 Minutes.\n" + kExitOk);
    SetClock(copybackStart, 120);
    EXPECT_EQ(CpyBkProgress("252:7"), "Physical Drive is not in Copyback state.\n" + kExitOk);
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 10, 11}));
    EXPECT_EQ(DriveState(10), "online");
    EXPECT_EQ(DriveState(15), "hot_spare");
    EXPECT_EQ(VdState(), "State: Optimal\n");

    // Slot 6 goes in place of a member marked missing; the spare is removed first, else it
    // would take the row as soon as the member goes offline.
    EXPECT_EQ(Ok({"-PDHSP", "-Rmv", "-PhysDrv[252:7]", "-a0"}),
              "Adapter: 0: Remove Physical Drive at EnclId-252 SlotId-7 as Hot Spare Success.\n" + kExitOk);
    EXPECT_EQ(Ok({"-PDOffline", "-PhysDrv[252:3]", "-a0"}),
              "Adapter: 0: EnclId-252 SlotId-3 state changed to OffLine.\n" + kExitOk);
    EXPECT_EQ(Ok({"-PdMarkMissing", "-PhysDrv[252:3]", "-a0"}), "EnclId-252 SlotId-3 is marked Missing.\n" + kExitOk);
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 10, 0xFFFF}));
    const std::string missing = Ok({"-PdGetMissing", "-a0"});
    EXPECT_EQ(report_test::Outline(missing, {"    0 "}).rfind("    0     0       3     ", 0), 0u) << missing;
    EXPECT_EQ(VdState(), "State: Degraded\n");

    EXPECT_EQ(Ok({"-PdReplaceMissing", "-PhysDrv[252:6]", "-Array0", "-Row3", "-a0"}),
              "Adapter: 0: Missing PD at Array 0, Row 3 is replaced.\n" + kExitOk);
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 10, 14}));
    EXPECT_EQ(DriveState(14), "offline");
    EXPECT_EQ(Ok({"-PdGetMissing", "-a0"}), "    Adapter 0 - No Missing Drive is Found.\n" + kExitOk);

    EXPECT_EQ(Ok({"-PDRbld", "-Start", "-PhysDrv[252:6]", "-a0"}),
              "Started rebuild progress on device(Encl-252 Slot-6)\n" + kExitOk);
    const u64 replacedStart = Now();
    SteerOperation("rebuild", 600);
    // 59 of 600 seconds: progress 6444 (9.83 %), 0 minutes.
    SetClock(replacedStart, 59);
    EXPECT_EQ(RbldProgress("252:6"),
              "Rebuild Progress on Device at Enclosure 252, Slot 6 Completed 9% in 0 Minutes.\n" + kExitOk);
    SetClock(replacedStart, 600);
    EXPECT_EQ(RbldProgress("252:6"), "Device(Encl-252 Slot-6) is not in rebuild process\n" + kExitOk);
    EXPECT_EQ(DriveState(14), "online");
    EXPECT_EQ(VdState(), "State: Optimal\n");
    EXPECT_TRUE(Operations().empty());
}

}  // namespace
