// -PDRbld end to end, across runs on one state file: a member of the RAID 5 goes offline, a new
// hot spare takes its row and rebuilds it while the clock moves, the rebuild is suspended and
// resumed, and the array is optimal again once it completes; the drive list is walked in order
// and refusals end with a failure status.
#include <algorithm>
#include <string>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

class PdRebuildTest : public BgOpTest {
protected:
    // The default state without its hot spare and with the RAID 5's slot 2 (device 10) offline.
    nlohmann::json DegradedState()
    {
        nlohmann::json state = State();
        Ctrl(state)["config"]["spares"] = nlohmann::json::array();
        SetDriveState(state, 14, "unconfigured_good");
        SetDriveState(state, 10, "offline");
        return state;
    }
    std::string VdState()
    {
        const std::string out = Tool({"-LDInfo", "-L0", "-a0"}).out;
        return report_test::Outline(out, {"State"});
    }
};

TEST_F(PdRebuildTest, NewHotSpareRebuildsTheOfflineRowAsTheClockMoves)
{
    WriteState(State());
    // The default spare is removed first, so that the array stays degraded.
    RunResult r = Tool({"-PDHSP", "-Rmv", "-PhysDrv[252:6]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Remove Physical Drive at EnclId-252 SlotId-6 as Hot Spare Success.\n" + kExitOk);
    nlohmann::json state = ReadState();
    SetDriveState(state, 10, "offline");
    WriteState(state);
    EXPECT_EQ(VdState(), "State: Degraded\n");

    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "Device(Encl-252 Slot-2) is not in rebuild process\n" + kExitOk);

    // The new spare takes the row at once and rebuilds it.
    r = Tool({"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-7 as Hot Spare Success.\n" + kExitOk);
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 15, 11}));
    EXPECT_EQ(DriveState(15), "rebuild");
    EXPECT_EQ(DriveState(10), "unconfigured_good");

    const u64 start = Now();
    SteerOperation("rebuild", 6000);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 0% in 0 Minutes.\n" + kExitOk);
    // 1500 of 6000 seconds: progress 16383 of 65535, shown truncated as 24 %.
    SetClock(start, 1500);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 24% in 25 Minutes.\n" + kExitOk);
    SetClock(start, 3059);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 50% in 50 Minutes.\n" + kExitOk);

    // Suspended for 1000 seconds: the progress stands still meanwhile.
    r = Tool({"-PDRbld", "-Suspend", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "PD Rebuild Suspend Operation is Successfull. PDID= 15" + kExitOk);
    SetClock(start, 4059);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "PD-Rebuild is in Suspend Stage\n" + kExitOk);
    // A suspended rebuild cannot be suspended again: a refusal, not a success.
    r = Tool({"-PDRbld", "-Suspend", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "PD Rebuild Suspend Operation is not allowed. PDID= 15\nExit Code: 0x01\n");
    EXPECT_EQ(r.exitCode, 1);
    r = Tool({"-PDRbld", "-Resume", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "PD Rebuild Resume Operation is Successfull. PDID= 15" + kExitOk);
    r = Tool({"-PDRbld", "-Resume", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "PD Rebuild Resume Operation is not allowed. PDID= 15\nExit Code: 0x01\n");

    // 5999 seconds later it has run 4999: 83 %.
    SetClock(start, 5999);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Rebuild Progress on Device at Enclosure 252, Slot 7 Completed 83% in 83 Minutes.\n" + kExitOk);
    EXPECT_EQ(VdState(), "State: Degraded\n");

    SetClock(start, 7000);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Device(Encl-252 Slot-7) is not in rebuild process\n" + kExitOk);
    EXPECT_EQ(DriveState(15), "online");
    EXPECT_EQ(VdState(), "State: Optimal\n");
    EXPECT_TRUE(Operations().empty());
}

TEST_F(PdRebuildTest, StartAndStopWalkEveryDriveAndKeepTheFirstFailure)
{
    nlohmann::json state = DegradedState();
    SetDriveState(state, 13, "offline");
    WriteState(state);

    // Slot 0 is online (refused with 50); slots 2 and 5 start anyway; the first failure stays.
    RunResult r = Tool({"-PDRbld", "-Start", "-PhysDrv[252:0,252:2,252:5]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Cannot", "Started"}),
              "Cannot Rebuild Physical Drive at Enclosure - 252, Slot - 0.\n"
              "Started rebuild progress on device(Encl-252 Slot-2)\n"
              "Started rebuild progress on device(Encl-252 Slot-5)\n");
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(DriveState(10), "rebuild");
    EXPECT_EQ(DriveState(13), "rebuild");

    // -Abort is -Stop; a drive that is not rebuilding is reported and the walk goes on.
    r = Tool({"-PDRbld", "-Abort", "-PhysDrv[252:2,252:1,252:5]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Stopped", "Device at"}),
              "Stopped rebuild progress on device(Encl-252 Slot-2)\n"
              "Device at Enclosure - 252, Slot - 1 is not in Rebuild state.\n"
              "Stopped rebuild progress on device(Encl-252 Slot-5)\n");
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(DriveState(10), "offline");
    EXPECT_EQ(DriveState(13), "offline");
}

TEST_F(PdRebuildTest, DriveNotFoundEndsTheWalkAndChangesNothingAfterIt)
{
    WriteState(DegradedState());
    RunResult r = Tool({"-PDRbld", "-Start", "-PhysDrv[252:11,252:2]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n\nExit Code: 0x01\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(DriveState(10), "offline");

    // A drive without an enclosure part is named "N/A".
    const std::string before = ReadFile(StatePath());
    r = Tool({"-PDRbld", "-Stop", "-PhysDrv[:2]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Device at Enclosure - N/A, Slot - 2 is not found.\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadFile(StatePath()), before);
}

TEST_F(PdRebuildTest, FirmwareFailuresAreNeverAnnouncedAsDone)
{
    // A status the command has no text of its own for: the failure message, and the status.
    nlohmann::json state = DegradedState();
    AddFault(state, 0, 0x02040100, 3);
    WriteState(state);
    RunResult r = Tool({"-PDRbld", "-Start", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Adapter", "Started", "Exit"}),
              "Adapter #0: Failed to Perform rebuild Operation.\nExit Code: 0x03\n");
    EXPECT_EQ(r.exitCode, 3);
    state = DegradedState();
    AddFault(state, 0, 0x02040100, 4);
    WriteState(state);
    r = Tool({"-PDRbld", "-Start", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Invalid", "Started", "Exit"}),
              "Invalid sequence number was provided.\nExit Code: 0x04\n");
    EXPECT_EQ(DriveState(10), "offline");

    // A failing progress read prints nothing of its own, but fails the command.
    state = DegradedState();
    AddFault(state, 0, 0x02060000, 3);
    WriteState(state);
    r = Tool({"-PDRbld", "-ShowProg", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out.find("rebuild"), std::string::npos);
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(PdRebuildTest, SuspendAndResumeNeedTheControllersCapability)
{
    nlohmann::json state = DegradedState();
    auto& caps = Ctrl(state)["info"]["capabilities"];
    caps.erase(std::find(caps.begin(), caps.end(), "bg_op_suspend_resume"));
    WriteState(state);
    // Refused before any drive is looked up: a drive that does not exist is not reported.
    for (const char* action : {"-Suspend", "-Resume"}) {
        RunResult r = Tool({"-PDRbld", action, "-PhysDrv[252:2,252:11]", "-a0"});
        EXPECT_EQ(r.out, "FW not Supported BG Suspend Resume Operations.\nExit Code: 0x01\n") << action;
        EXPECT_EQ(r.exitCode, 1) << action;
    }

    // With the capability: a rebuild that the firmware fails to suspend shows its status.
    state = DegradedState();
    AddFault(state, 0, 0x020E0100, 3);
    WriteState(state);
    ASSERT_EQ(Tool({"-PDRbld", "-Start", "-PhysDrv[252:2]", "-a0"}).exitCode, 0);
    RunResult r = Tool({"-PDRbld", "-Suspend", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"PD Rebuild", "Exit"}),
              "PD Rebuild Suspend Operation is Failed. PDID= 10 retCode = 0x3\nExit Code: 0x03\n");
    EXPECT_EQ(r.exitCode, 3);

    // A drive that is not rebuilding allows neither.
    r = Tool({"-PDRbld", "-Resume", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "PD Rebuild Resume Operation is not allowed. PDID= 15\nExit Code: 0x01\n");
}

TEST_F(PdRebuildTest, ProgressDisplayLooksNothingUpAndSucceeds)
{
    WriteState(DegradedState());
    // Slot 11 holds no drive: it is not even looked up.
    RunResult r = Tool({"-PDRbld", "-ProgDsply", "-PhysDrv[252:2,252:11]", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(r.exitCode, 0);
}

}  // namespace
