// Reports on several adapters: a failed read on one adapter never keeps the others from
// reporting, with -aALL as with a list, and the run ends with the first failure. A command that
// changes the controller still stops at the first adapter that fails.
#include <gtest/gtest.h>

#include <string>

#include "support/ToolRunner.h"

namespace {

class MultiAdapterReportTest : public ToolTest {
protected:
    // Two copies of the default controller; controller 0's configuration cannot be read.
    Json TwoControllersFirstUnreadable()
    {
        Json state = DefaultState();
        state["controllers"].push_back(state["controllers"][0]);
        state["faults"] = Json::array({Json{{"controller", 0}, {"opcode", "0x04010000"}, {"lib_error", 5}}});
        return state;
    }
};

TEST_F(MultiAdapterReportTest, EveryAdapterReportsAndTheRunEndsWithTheFirstFailure)
{
    for (const char* adapters : {"-aALL", "-a0,1"}) {
        WriteState(TwoControllersFirstUnreadable());
        const RunResult r = Run({"-LDInfo", "-LALL", adapters});
        EXPECT_EQ(r.exitCode, 1) << adapters << "\n" << r.out;
        const std::size_t second = r.out.find("Adapter 1 -- Virtual Drive Information:");
        ASSERT_NE(second, std::string::npos) << adapters << "\n" << r.out;
        EXPECT_NE(r.out.find("Virtual Drive: 1 (Target Id: 1)", second), std::string::npos) << r.out;
        EXPECT_TRUE(r.out.size() >= kExitFailed.size() &&
                    r.out.compare(r.out.size() - kExitFailed.size(), kExitFailed.size(), kExitFailed) == 0)
            << r.out;
    }
}

TEST_F(MultiAdapterReportTest, AReportFormOfACommandThatWritesReportsOnEveryAdapter)
{
    Json state = DefaultState();
    state["controllers"].push_back(state["controllers"][0]);
    state["faults"] = Json::array({Json{{"controller", 0}, {"opcode", "0x01020100"}, {"lib_error", 5}}});
    WriteState(state);
    const RunResult r = Run({"-AdpAutoRbld", "-Dsply", "-aALL"});
    EXPECT_NE(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("Adapter 1: AutoRebuild is Enabled."), std::string::npos) << r.out;
}

TEST_F(MultiAdapterReportTest, ACommandThatWritesStopsAtTheFirstFailedAdapter)
{
    WriteState(TwoControllersFirstUnreadable());
    const RunResult r = Run({"-LDSetProp", "WT", "-L0", "-aALL"});
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_EQ(r.out.find("Adapter 1"), std::string::npos) << r.out;
    EXPECT_EQ(ReadState()["controllers"][1], DefaultState()["controllers"][0]);
}

}  // namespace
