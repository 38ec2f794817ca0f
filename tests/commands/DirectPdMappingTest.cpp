// -DirectPdMapping end to end: showing, enabling and disabling the flag in the controller
// defaults block, which is written back whole, and the read and write failures.
#include <string>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

constexpr unsigned kReadDefaults = 0x010E0201;
constexpr unsigned kWriteDefaults = 0x010E0202;
const std::string kSetLines = "Direct Pd Mapping is Set Successfully. \nThis change requires reboot.\n";

class DirectPdMappingTest : public BgOpTest {
protected:
    nlohmann::json Defaults(unsigned controller = 0) { return ReadState()["controllers"][controller]["defaults"]; }
};

TEST_F(DirectPdMappingTest, EnableAndDisableWriteTheWholeBlockBack)
{
    WriteState(State());
    const nlohmann::json before = Defaults();
    RunResult r = Tool({"-DirectPdMapping", "-Dsply", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Direct Pd Mapping is: Disabled \n" + kExitOk);

    // Setting twice writes twice and reports both times.
    for (int i = 0; i < 2; ++i) {
        std::string trace;
        r = TracedTool({"-DirectPdMapping", "-Enbl", "-a0"}, &trace);
        EXPECT_EQ(r.out, "Adapter 0: " + kSetLines + kExitOk);
        EXPECT_EQ(CountRequests(trace, kWriteDefaults), 1u);
    }
    nlohmann::json expected = before;
    expected["direct_pd_mapping"] = true;
    EXPECT_EQ(Defaults(), expected);
    r = Tool({"-DirectPdMapping", "-Dsply", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Direct Pd Mapping is: Enabled \n" + kExitOk);

    r = Tool({"-DirectPdMapping", "-Disable", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: " + kSetLines + kExitOk);
    expected["direct_pd_mapping"] = false;
    EXPECT_EQ(Defaults(), expected);

    // Any value other than 0 shows as enabled.
    nlohmann::json state = ReadState();
    AddPatch(state, 0, kReadDefaults, 31, "02");
    WriteState(state);
    EXPECT_EQ(Tool({"-DirectPdMapping", "-Dsply", "-a0"}).out, "Adapter 0: Direct Pd Mapping is: Enabled \n" + kExitOk);
}

TEST_F(DirectPdMappingTest, EveryControllerIsSetOnItsOwn)
{
    WriteState(State(2));
    RunResult r = Tool({"-DirectPdMapping", "-Enbl", "-aALL"});
    EXPECT_EQ(r.out, "Adapter 0: " + kSetLines + "Adapter 1: " + kSetLines + kExitOk);
    EXPECT_EQ(Defaults(0)["direct_pd_mapping"], true);
    EXPECT_EQ(Defaults(1)["direct_pd_mapping"], true);
}

TEST_F(DirectPdMappingTest, FailedReadWritesNothingAndFailedWriteFails)
{
    nlohmann::json state = State();
    AddFault(state, 0, kReadDefaults, 3);
    WriteState(state);
    std::string trace;
    RunResult r = TracedTool({"-DirectPdMapping", "-Enbl", "-a0"}, &trace);
    EXPECT_EQ(report_test::Outline(r.out, {"Failed", "Adapter", "This"}), "Failed to get data on Adapter 0\n");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(CountRequests(trace, kWriteDefaults), 0u);
    EXPECT_EQ(Defaults()["direct_pd_mapping"], false);

    state = State();
    AddFault(state, 0, kWriteDefaults, 3);
    WriteState(state);
    r = Tool({"-DirectPdMapping", "-Dsbl", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Failed", "Adapter", "This"}), "Failed to Set data on Adapter 0\n");
    EXPECT_NE(r.exitCode, 0);
}

}  // namespace
