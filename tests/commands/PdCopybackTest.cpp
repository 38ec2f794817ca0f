// -PDCpyBk end to end, across runs on one state file: the hot spare that took a row of the RAID 5
// copies it back onto the replaced drive while the clock moves, is suspended and resumed, and
// returns to being a spare; the drive count, refusals and the capability bit.
#include <algorithm>
#include <string>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

class PdCopybackTest : public BgOpTest {
protected:
    // The revertible spare of slot 7 (device 15) holds slot 2's row; slot 2 (device 10) has
    // been replaced and is unconfigured good.
    nlohmann::json SpareInRowState()
    {
        nlohmann::json state = State();
        Ctrl(state)["config"]["arrays"][0]["drives"] = {8, 9, 15, 11};
        SetDriveState(state, 15, "online");
        SetDriveState(state, 10, "unconfigured_good");
        for (auto& drive : Ctrl(state)["drives"])
            if (drive["device_id"] == 15)
                drive["former_spare"] = {{"arrays", nlohmann::json::array()}, {"enclosure_affinity", false}};
        return state;
    }
};

TEST_F(PdCopybackTest, SpareCopiesItsRowBackAndBecomesASpareAgain)
{
    WriteState(SpareInRowState());
    RunResult r = Tool({"-PDCpyBk", "-Start", "-PhysDrv[252:7,252:2]", "-a0"});
    EXPECT_EQ(r.out, "Started Copyback Operation Successfully. \n" + kExitOk);
    EXPECT_EQ(DriveState(10), "copyback");

    const u64 start = Now();
    SteerOperation("copyback", 6000);
    SetClock(start, 1500);
    // Both drives of the copy show it.
    r = Tool({"-PDCpyBk", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Copyback Progress on Device at Enclosure 252, Slot 7 Completed 24% in 25 Minutes.\n" + kExitOk);
    r = Tool({"-PDCpyBk", "-ShowProg", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "Copyback Progress on Device at Enclosure 252, Slot 2 Completed 24% in 25 Minutes.\n" + kExitOk);

    r = Tool({"-PDCpyBk", "-Suspend", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Suspend Copy Back Operation Successfull. PdId =  15" + kExitOk);
    SetClock(start, 2500);
    r = Tool({"-PDCpyBk", "-ShowProg", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "PD-Copyback is in Suspend Stage\n" + kExitOk);
    r = Tool({"-PDCpyBk", "-Suspend", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "PD Copy Back Suspend Operation is not allowed. PDID= 10\nExit Code: 0x01\n");
    EXPECT_EQ(r.exitCode, 1);
    r = Tool({"-PDCpyBk", "-Resume", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "Resume Copy Back Operation Successfull. PdId =  10" + kExitOk);

    // 6000 seconds in, 1000 of them suspended: 5000 run, 83 %.
    SetClock(start, 6000);
    r = Tool({"-PDCpyBk", "-ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Copyback Progress on Device at Enclosure 252, Slot 7 Completed 83% in 83 Minutes.\n" + kExitOk);

    SetClock(start, 7000);
    r = Tool({"-PDCpyBk", "-ShowProg", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "Physical Drive is not in Copyback state.\n" + kExitOk);
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 10, 11}));
    EXPECT_EQ(DriveState(10), "online");
    EXPECT_EQ(DriveState(15), "hot_spare");

    // Nothing to stop any more: the same text, as a failure.
    r = Tool({"-PDCpyBk", "-Stop", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Physical", "Exit"}),
              "Physical Drive is not in Copyback state.\nExit Code: 0x32\n");
    EXPECT_EQ(r.exitCode, 50);
}

TEST_F(PdCopybackTest, StopEndsTheCopyAndRefusalsFail)
{
    WriteState(SpareInRowState());
    RunResult r = Tool({"-PDCpyBk", "-Start", "-PhysDrv[252:7,252:2]", "-a0"});
    ASSERT_EQ(r.exitCode, 0);
    r = Tool({"-PDCpyBk", "-Abort", "-PhysDrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "Stopped Copyback Operation Successfully. \n" + kExitOk);
    EXPECT_EQ(DriveState(10), "unconfigured_good");
    EXPECT_EQ(Rows(0), (std::vector<unsigned>{8, 9, 15, 11}));
    EXPECT_TRUE(Operations().empty());

    // An unconfigured drive has nothing to copy: the controller refuses, and so does the command.
    const std::string before = ReadFile(StatePath());
    r = Tool({"-PDCpyBk", "-Start", "-PhysDrv[252:8,252:2]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Cannot", "Started", "Exit"}),
              "Cannot Start Copyback on specified Physical Drive.\nExit Code: 0x32\n");
    EXPECT_EQ(r.exitCode, 50);
    // The target is looked up too, after the source.
    r = Tool({"-PDCpyBk", "-Start", "-PhysDrv[252:7,:2]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Device at Enclosure - N/A, Slot - 2 is not found.\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadFile(StatePath()), before);
}

TEST_F(PdCopybackTest, DriveCountIsCheckedBeforeAnythingElse)
{
    WriteState(SpareInRowState());
    const std::string before = ReadFile(StatePath());
    const std::vector<std::vector<std::string>> lines = {
        {"-PDCpyBk", "-Start", "-PhysDrv[252:7]", "-a0"},
        {"-PDCpyBk", "-Stop", "-PhysDrv[252:7,252:2]", "-a0"},
        {"-PDCpyBk", "-ProgDsply", "-PhysDrv[252:7,252:2]", "-a0"},
        {"-PDCpyBk", "-ShowProg", "-PhysDrv[252:7,252:7]", "-a0"}};
    for (const auto& line : lines) {
        RunResult r = Tool(line);
        EXPECT_EQ(r.out, "Invalid Physical drive(s) specified.\n\nExit Code: 0x01\n") << line[1];
        EXPECT_EQ(r.exitCode, 1) << line[1];
    }
    // -ProgDsply with one drive: nothing looked up, nothing printed.
    RunResult r = Tool({"-PDCpyBk", "-ProgDsply", "-PhysDrv[252:11]", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(ReadFile(StatePath()), before);
}

TEST_F(PdCopybackTest, SuspendAndResumeNeedTheControllersCapability)
{
    nlohmann::json state = SpareInRowState();
    auto& caps = Ctrl(state)["info"]["capabilities"];
    caps.erase(std::find(caps.begin(), caps.end(), "bg_op_suspend_resume"));
    WriteState(state);
    for (const char* action : {"-Suspend", "-Resume"}) {
        // Refused before the drive is looked up.
        RunResult r = Tool({"-PDCpyBk", action, "-PhysDrv[252:11]", "-a0"});
        EXPECT_EQ(r.out, "FW Not Allowed Suspend-Resume on BG Operations.\n\nExit Code: 0x01\n") << action;
        EXPECT_EQ(r.exitCode, 1) << action;
    }
    // The other actions do not need it.
    EXPECT_EQ(Tool({"-PDCpyBk", "-ShowProg", "-PhysDrv[252:7]", "-a0"}).out,
              "Physical Drive is not in Copyback state.\n" + kExitOk);
}

}  // namespace
