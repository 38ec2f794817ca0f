// -LDCC, -LDInit and -LDBI end to end, across runs on one state file: a consistency check's
// progress follows the controller clock until it completes, it is suspended and resumed, an
// initialization leaves the drive consistent, and the refusals end with a failure status and
// change nothing.
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace bgop_test;

class LdOperationTest : public BgOpTest {
protected:
    bool Consistent(unsigned targetId) { return VdOf(targetId)["consistent"] == true; }
    std::string CcProgress() { return Tool({"-LDCC", "-ShowProg", "-L1", "-a0"}).out; }
};

TEST_F(LdOperationTest, CheckFollowsTheClockThroughSuspendAndResumeUntilItCompletes)
{
    WriteState(State());
    RunResult r = Tool({"-LDCC", "-Start", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Start Check Consistency on Virtual Drive 1 (target id: 1) Success.\n" + kExitOk);
    SteerOperation("consistency_check", 600);
    const u64 start = Now();

    SetClock(start, 300);
    EXPECT_EQ(CcProgress(), "Check Consistency on VD #1 (target id #1) Completed 49% in 5 Minutes.\n" + kExitOk);
    r = Tool({"-LDCC", "-Suspend", "-L1", "-a0"});
    EXPECT_EQ(r.out, "CC/BGI Suspend operation successful on VD - 1 \n" + kExitOk);
    SetClock(start, 900);
    EXPECT_EQ(CcProgress(), "LD-CC is in Suspend Stage\n" + kExitOk);
    // A check that is already suspended may not be suspended again.
    r = Tool({"-LDCC", "-Suspend", "-L1", "-a0"});
    EXPECT_EQ(r.out, "CC/BGI Suspend not allowed operation on this VD = 1 \n\nExit Code: 0x01\n");

    EXPECT_EQ(Tool({"-LDCC", "-Resume", "-L1", "-a0"}).out, "CC/BGI Resume operation successful on VD - 1 \n" + kExitOk);
    SetClock(start, 1140);
    EXPECT_EQ(CcProgress(), "Check Consistency on VD #1 (target id #1) Completed 89% in 9 Minutes.\n" + kExitOk);
    SetClock(start, 1300);
    EXPECT_EQ(CcProgress(), "Check Consistency on VD #1 is not in progress.\n" + kExitOk);
    EXPECT_TRUE(Consistent(1));
    EXPECT_EQ(Tool({"-LDCC", "-ProgDsply", "-L1", "-a0"}).out, kExitOk);
}

TEST_F(LdOperationTest, InitializationThenAbortAndTheUninitializedCheck)
{
    WriteState(State());
    RunResult r = Tool({"-LDInit", "-Start", "-Full", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Start Initialization on Virtual Drive 0 (target id: 0) Success.\n" + kExitOk);
    EXPECT_FALSE(Consistent(0));
    SteerOperation("full_init", 120);
    SetClock(Now(), 60);
    EXPECT_EQ(Tool({"-LDInit", "-ShowProg", "-L0", "-a0"}).out,
              "Initialization on VD #0 (target id #0) Complete 49% in 1 Minutes.\n" + kExitOk);
    r = Tool({"-LDInit", "-Abort", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Abort Initialization on Virtual Drive 0 (target id: 0) Success.\n" + kExitOk);
    EXPECT_FALSE(Consistent(0));

    // A check of a drive that was never initialized needs -Force.
    const nlohmann::json before = ReadState();
    r = Tool({"-LDCC", "-Start", "-L0", "-a0"});
    EXPECT_EQ(r.out, "The virtual disk has not been initialized.  Running a consistency check may result in "
                     "inconsistent messages in the log.\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadState()["controllers"], before["controllers"]);
    EXPECT_EQ(Tool({"-LDCC", "-Start", "-Force", "-L0", "-a0"}).exitCode, 0);

    r = Tool({"-LDInit", "-Start", "-L0", "-a0"});
    // The check runs: the controller refuses other work on the drive.
    EXPECT_EQ(r.out, "Start Initialization on Virtual Drive 0 (target id: 0) Failed.\n\nFW error description: Virtual "
                     "drive is busy\n\nExit Code: 0x29\n");
    SetClock(Now(), 100000);
    EXPECT_EQ(Tool({"-LDCC", "-ShowProg", "-L0", "-a0"}).out, "Check Consistency on VD #0 is not in progress.\n" + kExitOk);
    r = Tool({"-LDInit", "-Start", "-L0", "-a0"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    SetClock(Now(), 100000);
    EXPECT_EQ(Tool({"-LDInit", "-ShowProg", "-L0", "-a0"}).out, "Initialization on VD #0 is not in progress.\n" + kExitOk);
    EXPECT_TRUE(Consistent(0));
}

TEST_F(LdOperationTest, BackgroundInitializationSettingAndAbortWhenNoneRuns)
{
    WriteState(State());
    RunResult r = Tool({"-LDBI", "-Dsbl", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Background Initialization is Disabled on VD 1 (target id: 1) on Adapter 0\n" + kExitOk);
    r = Tool({"-LDBI", "-GetSetting", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Background Initialization is Enabled on VD 0 (target id: 0) on Adapter 0\n"
                     "Background Initialization is Disabled on VD 1 (target id: 1) on Adapter 0\n" + kExitOk);
    std::string trace;
    r = TracedTool({"-LDBI", "-Abort", "-L1", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Background Initialization on VD #1 is not in Progress.\n" + kExitOk);
    EXPECT_EQ(CountRequests(trace, 0x03050200), 0u);
}

TEST_F(LdOperationTest, RefusalsAndFailuresEndWithAFailureStatus)
{
    nlohmann::json state = State();
    auto& caps = Ctrl(state)["info"]["capabilities"];
    for (auto it = caps.begin(); it != caps.end(); ++it)
        if (*it == "bg_op_suspend_resume") {
            caps.erase(it);
            break;
        }
    WriteState(state);
    RunResult r = Tool({"-LDCC", "-Suspend", "-L1", "-a0"});
    EXPECT_EQ(r.out, "FW Not Allowed Suspend-Resume on BG Operations.\n\nExit Code: 0x01\n");

    // The RAID 5 is degraded: a check may not start now.
    state = State();
    SetDriveState(state, 10, "offline");
    AddFault(state, 0, kDcmdLdGetProgress, 4);
    WriteState(state);
    r = Tool({"-LDCC", "-Start", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Check Consistency is not possible on Virtual drive 0 at this time.\n\nExit Code: 0x01\n");
    r = Tool({"-LDCC", "-ShowProg", "-L0,5", "-a0"});
    EXPECT_EQ(r.out, " Failed to get progress data for VD 0.Adapter 0: Virtual Drive 5 Does not Exist.\n\nFW error "
                     "description: Invalid sequence number\n\nExit Code: 0x04\n");

    state = State();
    AddFault(state, 0, kDcmdLdCcStart, 41);
    WriteState(state);
    r = Tool({"-LDCC", "-Start", "-L1", "-a0"});
    EXPECT_EQ(r.out.rfind("Start Check Consistency on Virtual Drive 1 (target id: 1) Failed.\n", 0), 0u) << r.out;
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(Operations().empty());
}

}  // namespace
