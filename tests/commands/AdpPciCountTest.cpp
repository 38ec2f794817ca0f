// -AdpGetPciInfo and -AdpCount end to end against the simulated controller.
#include <string>

#include "commands/AdpInfoTestSupport.h"

namespace {

using namespace adp_test;

class AdpPciCountTest : public AdpInfoTest {};

TEST_F(AdpPciCountTest, PciInformationIsNeverAvailable)
{
    WriteState(ZeroedState(2));
    for (const char* selector : {"-a0", "-a1"}) {
        RunResult r = Run({"-AdpGetPciInfo", selector});
        EXPECT_EQ(r.out, "Unable to get PCI Information : \nExit Code: 0xff\n") << selector;
        EXPECT_EQ(r.exitCode, 255) << selector;
    }
    // A report: every adapter answers, and the run ends with the first failure.
    RunResult all = Run({"-AdpGetPciInfo", "-aALL"});
    EXPECT_EQ(all.out, "Unable to get PCI Information : Unable to get PCI Information : \nExit Code: 0xff\n");
    EXPECT_EQ(all.exitCode, 255);
}

TEST_F(AdpPciCountTest, CountIsPrintedAndIsTheExitStatus)
{
    for (unsigned count : {1u, 3u}) {
        WriteState(ZeroedState(count));
        const std::string expected =
            "\nController Count: " + std::to_string(count) + ".\n\nExit Code: 0x0" + std::to_string(count) + "\n";
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"-AdpCount"}, std::vector<std::string>{"-AdpCount", "-a0"}}) {
            RunResult r = Run(args);
            EXPECT_EQ(r.out, expected) << args.size();
            EXPECT_EQ(r.exitCode, static_cast<int>(count));
        }
    }
}

TEST_F(AdpPciCountTest, NoControllerCountsZero)
{
    nlohmann::json state = DefaultState();
    state["controllers"] = nlohmann::json::array();
    WriteState(state);
    RunResult r = Run({"-AdpCount"});
    EXPECT_EQ(r.out, "\nController Count: 0.\n\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);
}

}  // namespace
