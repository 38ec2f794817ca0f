// -AdpPR and -AdpCcSched end to end: the patrol-read mode, run, delay and start time with the
// report that follows them, the refusals of the run's state and of the controller, and the
// consistency-check schedule with its exclusions; start times kept the same in a zone with
// daylight saving.
#include "commands/AdpSettingsTestSupport.h"

namespace {

using namespace settings_test;

class AdpScheduleTest : public SettingsTest {
protected:
    std::string Report() { return RunLine("-AdpPR -Info -a0").out; }
    std::string CcReport() { return RunLine("-AdpCcSched -Info -a0").out; }
    nlohmann::json PatrolRead() { return Settings()["patrol_read"]; }
    nlohmann::json Schedule() { return Settings()["cc_schedule"]; }
};

const std::string kSsdLine = "Patrol Read on SSD Devices: Disabled\n";

TEST_F(AdpScheduleTest, PatrolReadRunsFromStartToStopWithItsReport)
{
    WriteState(State());
    EXPECT_EQ(Report(), "Adapter 0: Patrol Read Information:\n\nPatrol Read Mode: Auto\n"
                        "Patrol Read Execution Delay: 168 hours\nNumber of iterations completed: 36 \n"
                        "Current State: Ready\n" + kSsdLine + kExitOk);
    EXPECT_EQ(RunLine("-AdpPR -EnblMan -a0").out, "Adapter 0: Patrol Read Mode is set to MANUAL.\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpPR -Stop -a0").out, "No Patrol Read is in progress\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpPR -Start -a0").out, "Adapter 0: Patrol Read is started.\n" + kExitOk);
    EXPECT_EQ(Outline(Report(), {"Patrol Read Mode", "Current State", "Adapter 0: Number"}),
              "Patrol Read Mode: Manual\nCurrent State: Active\nAdapter 0: Number of PDs completed: 0\n");
    const RunResult again = RunLine("-AdpPR -Start -a0");
    EXPECT_EQ(again.out.rfind("Adapter 0: Failed to start Patrol Read.\n", 0), 0u) << again.out;
    EXPECT_EQ(again.exitCode, 36);

    EXPECT_EQ(RunLine("-AdpPR -Suspend -a0").out, "Patrol Read Suspend Successfull.\n" + kExitOk);
    EXPECT_EQ(Outline(Report(), {"Current State"}), "Current State: Suspend\n");
    EXPECT_EQ(RunLine("-AdpPR -Resume -a0").out, "Patrol Read Resume Successfull.\n" + kExitOk);
    const RunResult resume = RunLine("-AdpPR -Resume -a0");
    EXPECT_EQ(resume.out.rfind("Patrol Read Resume Fail retCode = 0x0025 \n", 0), 0u) << resume.out;
    EXPECT_EQ(resume.exitCode, 37);

    EXPECT_EQ(RunLine("-AdpPR -Stop -a0").out, "Adapter 0: Patrol Read is stopped.\n" + kExitOk);
    EXPECT_EQ(Outline(Report(), {"Current State"}), "Current State: Aborted\n");
    EXPECT_TRUE(Settings()["operations"].empty());
}

TEST_F(AdpScheduleTest, PatrolReadSettingsAreWrittenAndRefused)
{
    WriteState(State());
    EXPECT_EQ(RunLine("-AdpPR -SetDelay 0 -a0").out,
              "Adapter 0: Patrol Read Execution Delay is set to Immediate.\n" + kExitOk);
    EXPECT_EQ(PatrolRead()["delay_s"], 4294967295u);
    EXPECT_EQ(Outline(Report(), {"Patrol Read Execution"}), "Patrol Read Execution Delay: Continuous\n");
    EXPECT_EQ(RunLine("-AdpPR -SetDelay 5 -a0").out, "Adapter 0: Patrol Read Execution Delay is set to 5 hours.\n" + kExitOk);
    EXPECT_EQ(PatrolRead()["delay_s"], 18000);
    EXPECT_EQ(RunLine("-AdpPR -maxConcurrentPD 3 -a0").out,
              "Adapter 0: max concurrent PD value for Patrol Read is set.\n" + kExitOk);
    EXPECT_EQ(PatrolRead()["max_concurrent"], 3);
    // One byte holds the count: a larger one would be cut to another.
    ExpectRefused(Words("-AdpPR -maxConcurrentPD 300 -a0"),
                  "Adapter 0: Failed to set  max concurrent PD value for Patrol Read.\n" + kExitFailed);
    ExpectRefused(Words("-AdpPR -SetDelay 65536 -a0"),
                  "Invalid value provided! Valid values are 0 ~ 65535.\n" + kParseFailed);
    ExpectRefused(Words("-AdpPR -SSDPatrolReadEnbl -a0"),
                  "Adapter 0: Failed to set Patrol Read on SSD devices\n" + kExitFailed);
    EXPECT_EQ(RunLine("-AdpSetProp SupportSSDPatrolRead 1 -a0").exitCode, 0);
    EXPECT_EQ(RunLine("-AdpPR -SSDPatrolReadEnbl -a0").out,
              "Adapter 0: Patrol Read on SSD devices is set to ENABLED.\n" + kExitOk);
    EXPECT_EQ(PatrolRead()["ssd"], true);
    for (const char* line : {"-AdpPR -setStartTime 20130229 1 -a0", "-AdpPR -setStartTime 20120230 1 -a0",
                             "-AdpPR -setStartTime 19991231 1 -a0", "-AdpPR -setStartTime 20120101 24 -a0",
                             "-AdpPR -a0 -Start", "-AdpPR -Start -Stop -a0", "-AdpPR -Enbl -a0"})
        ExpectRefused(Words(line), kParseFailed);
    EXPECT_EQ(RunLine("-AdpPR -setStartTime 21000229 1 -a0").exitCode, 0);  // no century rule
    EXPECT_EQ(RunLine("-AdpPR -Dsbl -a0").out, "Adapter 0: Patrol Read Mode is set to DISABLED.\n" + kExitOk);
    const RunResult start = RunLine("-AdpPR -Start -a0");
    EXPECT_EQ(start.out.rfind("Adapter 0: Failed to start Patrol Read.\n", 0), 0u) << start.out;
    EXPECT_EQ(start.exitCode, 39);
}

TEST_F(AdpScheduleTest, PatrolReadRefusalsOfTheController)
{
    nlohmann::json state = State();
    for (auto& vd : Ctrl(state)["config"]["virtual_drives"])
        Ctrl(state)["operations"].push_back(
            {{"kind", "consistency_check"}, {"target_id", vd["target_id"]}, {"started", 0}, {"seconds", 4000000000u}});
    WriteState(state);
    const RunResult busy = RunLine("-AdpPR -Start -a0");
    EXPECT_EQ(busy.out.rfind("Adapter 0: Patrol Read can't be started, as PDs are either not ONLINE, or are in a VD with "
                             "an active process, or are in an excluded VD \n", 0),
              0u)
        << busy.out;
    EXPECT_EQ(busy.exitCode, 88);

    WriteState(StateWith({"-bg_op_suspend_resume"}));
    ExpectRefused(Words("-AdpPR -Suspend -a0"), "FW Not Allowed Suspend-Resume on BG Operations.\n" + kExitFailed);

    state = State();
    Ctrl(state)["patrol_read"]["delay_s"] = 0;
    Ctrl(state)["patrol_read"]["mode"] = "disabled";
    WriteState(state);
    const RunResult report = RunLine("-AdpPR -Info -a0");
    EXPECT_EQ(Outline(report.out, {"Patrol Read Execution", "Current State"}),
              "Patrol Read Execution Delay: Unknown\nCurrent State: Stopped\n");
    EXPECT_EQ(report.exitCode, 1);

    // A block of the report that cannot be read gives its placeholder, and the report fails.
    for (const auto& [opcode, shown] : {std::pair<unsigned, const char*>{0x01070100, "Number of iterations completed: 0 \n"},
                                        {0x01020100, "Current State: Ready\n\nFW error description"}}) {
        state = State();
        AddFault(state, 0, opcode, 12, 1);
        WriteState(state);
        const RunResult partial = RunLine("-AdpPR -Info -a0");
        EXPECT_NE(partial.out.find(shown), std::string::npos) << partial.out;
        EXPECT_EQ(partial.exitCode, 12) << std::hex << opcode;
    }

    state = State();
    AddFault(state, 0, 0x01070300, 12);
    WriteState(state);
    const RunResult failed = RunLine("-AdpPR -EnblMan -a0");
    EXPECT_EQ(failed.out.rfind("Adapter 0: Failed to set Patrol Read Mode\n", 0), 0u) << failed.out;
    EXPECT_EQ(failed.exitCode, 12);
}

TEST_F(AdpScheduleTest, ConsistencyCheckScheduleWithExclusionsDelayAndReport)
{
    WriteState(State());
    EXPECT_EQ(CcReport(), "Adapter #0\n\nOperation Mode: Sequential\nExecution Delay: 168\n"
                          "Next start time: 03/16/2024, 02:00:00\nCurrent State: Ready\nNumber of iterations: 36\n"
                          "Number of VD completed: 0\nExcluded VDs          : None\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpCcSched -ModeConc -ExcludeLD -L1,0 -SetDelay 2 -a0").out,
              "Adapter 0: Scheduled CC mode is set to Concurrent.\n" + kExitOk);
    EXPECT_EQ(Schedule()["excluded"], nlohmann::json({1, 0}));
    EXPECT_EQ(Schedule()["delay_s"], 7200);
    EXPECT_EQ(Outline(CcReport(), {"Operation", "Execution", "Excluded"}),
              "Operation Mode: Concurrent\nExecution Delay: 2\nExcluded VDs          : 1 , 0 \n");
    EXPECT_EQ(RunLine("-AdpCcSched -SetDelay 0 -a0").out,
              "Adapter 0: Scheduled CC execution delay is set to Continuous.\n" + kExitOk);
    EXPECT_EQ(Schedule()["delay_s"], 4294967295u);
    EXPECT_EQ(Outline(CcReport(), {"Execution"}), "Execution Delay: 0\n");
    EXPECT_EQ(RunLine("-AdpCcSched -Dsbl -a0").out, "Adapter 0: Scheduled CC mode is set to Disabled.\n" + kExitOk);
    EXPECT_EQ(Outline(CcReport(), {"Operation", "Current"}), "Operation Mode: Disabled\nCurrent State: Stopped\n");

    ExpectRefused(Words("-AdpCcSched -ModeSeq -ExcludeLD -L5 -a0"),
                  "Adapter 0: Virtual Drive 5 Does not Exist.\n" + kExitFailed);
    // The schedule holds 74 ids: more would run over its start time.
    std::string many = "-AdpCcSched -ModeSeq -ExcludeLD -L0";
    for (int i = 0; i < 74; ++i)
        many += ",0";
    ExpectRefused(Words(many + " -a0"), "Adapter 0: Failed to set scheduled CC mode.\n" + kExitFailed);
    for (const char* line : {"-AdpCcSched -a0", "-AdpCcSched -Info -Dsbl -a0", "-AdpCcSched -SetDelay 1193047 -a0",
                             "-AdpCcSched -SetDelay 2 -SetStartTime 20240101 1 -a0",
                             "-AdpCcSched -ModeSeq -ExcludeLD -LALL -a0"})
        ExpectRefused(Words(line), std::string(line).find("1193047") != std::string::npos
                                       ? "Invalid Delay Value \n" + kParseFailed
                                       : kParseFailed);

    nlohmann::json state = State();
    Ctrl(state)["cc_schedule"]["unsupported"] = true;
    WriteState(state);
    ExpectRefused(Words("-AdpCcSched -Info -a0"),
                  "Adapter 0: Scheduled Chceck Consistency is not supported.\n\nFW error description: Command not "
                  "supported\n\nExit Code: 0x02\n",
                  2);
}

TEST_F(AdpScheduleTest, StartTimesAreKeptAsWallClockTimeWhateverTheZone)
{
    for (const char* zone : {"UTC", "CET-1CEST,M3.5.0,M10.5.0/3"}) {
        SetTimeZone(zone);
        // In manual mode a start time in the past does not start a run at once.
        nlohmann::json state = State();
        Ctrl(state)["patrol_read"]["mode"] = "manual";
        WriteState(state);
        EXPECT_EQ(RunLine("-AdpCcSched -SetStartTime 20120701 10 -a0").out,
                  "Adapter 0: Scheduled CC start time is set.\n" + kExitOk) << zone;
        EXPECT_EQ(Schedule()["next_start"], 394452000) << zone;
        EXPECT_EQ(Outline(CcReport(), {"Next"}), "Next start time: 07/01/2012, 10:00:00\n") << zone;
        EXPECT_EQ(RunLine("-AdpCcSched -SetStartTime 20120102 23 -a0").exitCode, 0) << zone;
        EXPECT_EQ(Outline(CcReport(), {"Next"}), "Next start time: 01/02/2012, 23:00:00\n") << zone;
        EXPECT_EQ(RunLine("-AdpPR -setStartTime 20120701 10 -a0").out,
                  "Adapter 0: Patrol Read start time is set.\n" + kExitOk) << zone;
        EXPECT_EQ(PatrolRead()["next_start"], 394452000) << zone;
    }
}

}  // namespace
