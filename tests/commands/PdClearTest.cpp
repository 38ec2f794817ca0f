// -PDClear end to end, across runs on one state file: clearing unconfigured drives with their
// progress moving with the clock, stopping, and the walk of the drive list that ends at the
// first drive that fails or is not found.
#include <string>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

class PdClearTest : public BgOpTest {
protected:
    std::vector<unsigned> ClearedDrives()
    {
        std::vector<unsigned> drives;
        for (const auto& op : Operations())
            if (op["kind"] == "clear")
                drives.push_back(op["device_id"]);
        return drives;
    }
};

TEST_F(PdClearTest, ClearRunsWithTheClockUntilDoneOrStopped)
{
    WriteState(State());
    RunResult r = Tool({"-PDClear", "-Start", "-PhysDrv[252:8,252:9]", "-a0"});
    EXPECT_EQ(r.out, "Started clear progress on device(Encl-252 Slot-8)\n"
                     "Started clear progress on device(Encl-252 Slot-9)\n" +
                         kExitOk);
    EXPECT_EQ(ClearedDrives(), (std::vector<unsigned>{16, 17}));

    const u64 start = Now();
    SteerOperation("clear", 4000);
    // 1000 of 4000 seconds: progress 16383, shown as 24 % in 16 minutes. A drive without a
    // clear is reported and the walk goes on.
    SetClock(start, 1000);
    r = Tool({"-PDClear", "-ShowProg", "-PhysDrv[252:7,252:8]", "-a0"});
    EXPECT_EQ(r.out, "Device(Encl-252 Slot-7) is not in clear process\n"
                     "Clear Progress on Device at Enclosure 252, Slot 8 Completed 24% in 16 Minutes.\n" +
                         kExitOk);

    r = Tool({"-PDClear", "-Abort", "-PhysDrv[252:8]", "-a0"});
    EXPECT_EQ(r.out, "Stopped clear progress on device(Encl-252 Slot-8)\n" + kExitOk);
    EXPECT_EQ(ClearedDrives(), (std::vector<unsigned>{17}));
    r = Tool({"-PDClear", "-Stop", "-PhysDrv[252:8,252:9]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Stopped", "Failed", "Exit"}),
              "Failed to stop clear progress on device(Encl-252 Slot-8)\nExit Code: 0x32\n");
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(ClearedDrives(), (std::vector<unsigned>{17}));

    SetClock(start, 3999);
    r = Tool({"-PDClear", "-ShowProg", "-PhysDrv[252:9]", "-a0"});
    EXPECT_EQ(r.out, "Clear Progress on Device at Enclosure 252, Slot 9 Completed 99% in 66 Minutes.\n" + kExitOk);
    SetClock(start, 4000);
    r = Tool({"-PDClear", "-ShowProg", "-PhysDrv[252:9]", "-a0"});
    EXPECT_EQ(r.out, "Device(Encl-252 Slot-9) is not in clear process\n" + kExitOk);
    EXPECT_TRUE(ClearedDrives().empty());
    EXPECT_EQ(DriveState(17), "unconfigured_good");
}

TEST_F(PdClearTest, FirstFailingDriveEndsTheWalk)
{
    WriteState(State());
    // Slot 0 is an array member: refused; slot 9 is not tried.
    RunResult r = Tool({"-PDClear", "-Start", "-PhysDrv[252:8,252:0,252:9]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Started", "Failed", "Exit"}),
              "Started clear progress on device(Encl-252 Slot-8)\n"
              "Failed to start clear progress on device(Encl-252 Slot-0)\n"
              "Exit Code: 0x32\n");
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(ClearedDrives(), (std::vector<unsigned>{16}));

    // A drive that is not found after two good ones.
    WriteState(State());
    r = Tool({"-PDClear", "-Start", "-PhysDrv[252:8,252:9,252:11,252:7]", "-a0"});
    EXPECT_EQ(r.out, "Started clear progress on device(Encl-252 Slot-8)\n"
                     "Started clear progress on device(Encl-252 Slot-9)\n"
                     "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n"
                     "\nExit Code: 0x01\n");
    EXPECT_EQ(ClearedDrives(), (std::vector<unsigned>{16, 17}));

    // Not found, named as written: "?" stands for the adapter's only enclosure.
    const std::string before = ReadFile(StatePath());
    r = Tool({"-PDClear", "-Start", "-PhysDrv[?:11]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Device at Enclosure - 52428, Slot - 11 is not found.\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadFile(StatePath()), before);
}

TEST_F(PdClearTest, ProgressFailuresAndProgressDisplay)
{
    nlohmann::json state = State();
    AddFault(state, 0, 0x02060000, 3);
    WriteState(state);
    RunResult r = Tool({"-PDClear", "-ShowProg", "-PhysDrv[252:8,252:9]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Adapter", "Clear", "Device", "Exit"}),
              "Adapter #0: Failed to Perform to get progress on PD Operation.\nExit Code: 0x03\n");
    EXPECT_EQ(r.exitCode, 3);

    r = Tool({"-PDClear", "-ProgDsply", "-PhysDrv[252:8,252:11]", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
}

}  // namespace
