// The road of one command through the built tool: grammar refusals, the global options, the
// exit path, a missing library and an unreadable controller state.
#include <gtest/gtest.h>

#include "support/ToolRunner.h"

namespace {

class EndToEndTest : public ToolTest {};

TEST_F(EndToEndTest, NoArgumentEndsWithStatusOneAndLogsIt)
{
    RunResult r = Run({});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "\nExit Code: 0x01\n");
    EXPECT_NE(ReadFile("CmdTool.log").find("No command given"), std::string::npos);
}

TEST_F(EndToEndTest, LinesTheGrammarRefusesAreParseFailures)
{
    for (std::vector<std::string> line : {std::vector<std::string>{"-AdpAllInfo"},               // no adapter
                                          {"-AdpAllInfo", "-a0", "-aALL"},                       // two selectors
                                          {"-aALL", "-AdpAllInfo"},                              // wrong order
                                          {"-NoSuchCommand", "-a0"},
                                          {"-AdpAllInfo", "-a99999999999"}}) {                   // number too big
        RunResult r = Run(line);
        EXPECT_EQ(r.exitCode, 1) << line[0];
        EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n") << line[0];
    }
}

TEST_F(EndToEndTest, KeywordsIgnoreCaseAndTheDash)
{
    DefaultState();
    RunResult r = Run({"adpcount"});
    EXPECT_EQ(r.out, "\nController Count: 1.\n\nExit Code: 0x01\n");
    EXPECT_EQ(Run({"-ADPCOUNT"}).exitCode, 1);
}

TEST_F(EndToEndTest, AdapterNumberAbove250IsRefused)
{
    RunResult r = Run({"-AdpAllInfo", "-a251"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Invalid Adapter number.\nFailed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n");
}

TEST_F(EndToEndTest, UserSpecifiedControllerMustBePresent)
{
    DefaultState();
    RunResult r = Run({"-AdpAllInfo", "-a3"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "User specified controller is not present.\n\nExit Code: 0x01\n");
}

TEST_F(EndToEndTest, ConsoleOutputIsCopiedToTheOutputLog)
{
    DefaultState();
    RunResult r = Run({"-AdpCount"});
    EXPECT_EQ(ReadFile("Dravlix.log"), r.out);
    Run({"-AdpCount"});
    EXPECT_EQ(ReadFile("Dravlix.log"), r.out + r.out);  // appended
}

TEST_F(EndToEndTest, SilentNoLogAndAppLogFile)
{
    DefaultState();
    RunResult silent = Run({"-AdpCount", "-Silent"});
    EXPECT_EQ(silent.out, "");
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(ReadFile("Dravlix.log"), "\nController Count: 1.\n\nExit Code: 0x01\n");

    RunResult nolog = Run({"-AdpCount", "-NoLog"});
    EXPECT_EQ(nolog.out, "\nController Count: 1.\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadFile("Dravlix.log"), silent.out + "\nController Count: 1.\n\nExit Code: 0x01\n");

    Run({"-AdpCount", "-AppLogFile", "mine.log"});
    EXPECT_EQ(ReadFile("mine.log"), "\nController Count: 1.\n\nExit Code: 0x01\n");

    Run({"-AdpCount", "-AppLogFile", "mine.log", "-NewFile"});
    EXPECT_EQ(ReadFile("mine.log"), "\nController Count: 1.\n\nExit Code: 0x01\n");
}

TEST_F(EndToEndTest, PagePromptsAfterTheGivenNumberOfLines)
{
    DefaultState();
    RunResult r = Run({"-AdpAllInfo", "-aALL", "-page", "5"}, "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(r.exitCode, 0);
    std::size_t prompts = 0;
    for (std::size_t at = r.out.find("Press <ENTER> to continue...."); at != std::string::npos;
         at = r.out.find("Press <ENTER> to continue....", at + 1))
        ++prompts;
    std::size_t lines = 0;
    for (char c : r.out)
        lines += c == '\n';
    EXPECT_EQ(prompts, (lines - 1) / 5);
    // The prompt is not copied to the output log.
    EXPECT_EQ(ReadFile("Dravlix.log").find("Press <ENTER>"), std::string::npos);
    // Glued form; without more input the paging goes on at the end of input.
    RunResult glued = Run({"-AdpAllInfo", "-aALL", "-page24"});
    EXPECT_EQ(glued.exitCode, 0);
    EXPECT_NE(glued.out.find("Press <ENTER> to continue...."), std::string::npos);
}

TEST_F(EndToEndTest, WithoutTheLibraryThereIsNoController)
{
    RunResult count = RunWithoutLibrary({"-AdpCount"});
    EXPECT_EQ(count.out, "\nController Count: 0.\n\nExit Code: 0x00\n");
    EXPECT_EQ(count.exitCode, 0);
    RunResult info = RunWithoutLibrary({"-AdpAllInfo", "-aALL"});
    EXPECT_EQ(info.out, "Failed to get ControllerId List.\n\nExit Code: 0x01\n");
    EXPECT_EQ(info.exitCode, 1);
    RunResult one = RunWithoutLibrary({"-AdpAllInfo", "-a0"});
    EXPECT_EQ(one.out, "Failed to get ControllerId List.\n\nExit Code: 0x01\n");
}

TEST_F(EndToEndTest, CorruptStateIsReportedAndLeftAsItWas)
{
    const std::string corrupt = "{ \"format\": 1, \"controllers\": [ \n";
    WriteFile("drivekit-sim.json", corrupt);
    RunResult r = Run({"-AdpAllInfo", "-aALL"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Failed to get ControllerId List.\n\nExit Code: 0x01\n");
    EXPECT_NE(r.err.find(StatePath()), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile("drivekit-sim.json"), corrupt);
    EXPECT_EQ(Run({"-AdpCount"}).out, "\nController Count: 0.\n\nExit Code: 0x00\n");
    EXPECT_EQ(ReadFile("drivekit-sim.json"), corrupt);
}

TEST_F(EndToEndTest, WrongFieldInStateIsReportedAndLeftAsItWas)
{
    nlohmann::json state = DefaultState();
    state["controllers"][0]["pci"]["vendor"] = "not a number";
    WriteState(state);
    const std::string before = ReadFile("drivekit-sim.json");
    RunResult r = Run({"-AdpCount"});
    EXPECT_EQ(r.out, "\nController Count: 0.\n\nExit Code: 0x00\n");
    EXPECT_NE(r.err.find("vendor"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile("drivekit-sim.json"), before);
}

TEST_F(EndToEndTest, UnsupportedControllersAreNotCounted)
{
    nlohmann::json state = DefaultState();
    nlohmann::json other = state["controllers"][0];
    other["pci"]["vendor"] = 0x1234;
    state["controllers"].push_back(other);
    state["controllers"].push_back(state["controllers"][0]);
    WriteState(state);
    RunResult r = Run({"-AdpCount"});
    EXPECT_EQ(r.out, "\nController Count: 2.\n\nExit Code: 0x02\n");
}

}  // namespace
