// The one-shot adapter commands end to end: the diagnostic, cache flush, shutdown, factory
// defaults, the controller time and the PHY link speed; each request's mailbox, the refusals
// made before any request, and a failure injected on each request.
#include <string>
#include <tuple>
#include <vector>

#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace bgop_test;
using report_test::Outline;

constexpr unsigned kDiagnostic = 0x01120100;
constexpr unsigned kFlush = 0x01101000;
constexpr unsigned kShutdown = 0x01050000;
constexpr unsigned kFactoryDefaults = 0x010D0000;
constexpr unsigned kGetTime = 0x01080101;
constexpr unsigned kSetTime = 0x01080102;
constexpr unsigned kPhySpeed = 0x07050000;

const std::string kParseFailedLine = "Failed to parse command. Use -h option for usage.\n";
const std::string kInvalidParameter = "\nFW error description: Invalid parameter\n\nExit Code: 0x03\n";

class AdpMaintenanceTest : public BgOpTest {
protected:
    RunResult Faulted(unsigned opcode, const std::vector<std::string>& args, unsigned controllers = 1)
    {
        nlohmann::json state = State(controllers);
        AddFault(state, 0, opcode, 3);
        WriteState(state);
        return Tool(args);
    }
};

TEST_F(AdpMaintenanceTest, DiagnosticSendsItsDurationAndRefusesMoreThan180Seconds)
{
    WriteState(State());
    const std::string started = "Performing Diagnostic on Controller 0.\n It will take ";
    for (const auto& [given, seconds, mbox] :
         std::vector<std::tuple<std::string, std::string, std::string>>{{"", "20", "140000000000000000000000"},
                                                                         {"180", "180", "b40000000000000000000000"},
                                                                         {"0", "0", "000000000000000000000000"}}) {
        std::vector<std::string> args = {"-AdpDiag"};
        if (!given.empty())
            args.push_back(given);
        args.push_back("-a0");
        std::string trace;
        RunResult r = TracedTool(args, &trace);
        EXPECT_EQ(r.out, started + seconds + " seconds to complete. Please wait...\nDiagnostic Completed on Controller 0.\n" +
                             kExitOk);
        EXPECT_EQ(Mailbox(trace, kDiagnostic), mbox) << given;
    }

    std::string trace;
    RunResult r = TracedTool({"-AdpDiag", "181", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Running Diagnostics on Controller 0 for more than 180 Seconds\ncan result in driver disconnect.\n"
                     "\nFailed to Start Diagnostic on Controller 0\n\nExit Code: 0x01\n");
    EXPECT_EQ(CountRequests(trace, kDiagnostic), 0u);
    EXPECT_EQ(Tool({"-AdpDiag", "4294967477", "-a0"}).out, kParseFailedLine + "\nExit Code: 0x01\n");
}

TEST_F(AdpMaintenanceTest, DiagnosticFailureStopsTheAdapterList)
{
    RunResult r = Faulted(kDiagnostic, {"-AdpDiag", "30", "-aALL"}, 2);
    EXPECT_EQ(Outline(r.out, {"Error", "Diagnostic", "Performing"}),
              "Performing Diagnostic on Controller 0.\n"
              "Error Occured when Performing Diagnostic on Controller 0.\n");
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(AdpMaintenanceTest, CacheFlushAndShutdownSendTheirMailboxes)
{
    WriteState(State(2));
    std::string trace;
    RunResult r = TracedTool({"-AdpCacheFlush", "-aALL"}, &trace);
    EXPECT_EQ(r.out, "Cache Flush is successfully done on adapter 0.\nCache Flush is successfully done on adapter 1.\n" +
                         kExitOk);
    EXPECT_EQ(Mailbox(trace, kFlush), "030000000000000000000000");
    r = TracedTool({"-AdpShutDown", "-a1"}, &trace);
    EXPECT_EQ(r.out, "Adapter 1: ShutDown Successfully\n" + kExitOk);
    EXPECT_EQ(Mailbox(trace, kShutdown), "010000000000000000000000");
    EXPECT_NE(ReadState()["controllers"][1]["events"]["shutdown_seq"], 0);

    r = Faulted(kFlush, {"-AdpCacheFlush", "-aALL"}, 2);
    EXPECT_EQ(r.out, "Cache Flush failed on adapter 0.\n" + kInvalidParameter);
    r = Faulted(kShutdown, {"-AdpShutDown", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to ShutDown\n" + kInvalidParameter);
}

TEST_F(AdpMaintenanceTest, FactoryDefaultsRestoreTheDefaultsBlock)
{
    nlohmann::json state = State();
    nlohmann::json& controller = Ctrl(state);
    controller["factory_defaults"] = controller["defaults"];
    controller["defaults"]["background_rate"] = 77;
    WriteState(state);
    std::string trace;
    RunResult r = TracedTool({"-AdpFacDefSet", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Adapter 0: Factory Default Set Successfully. \n"
                     "Please reboot the system for the changes to take effect\n" +
                         kExitOk);
    EXPECT_EQ(Mailbox(trace, kFactoryDefaults), "000000000000000000000000");
    EXPECT_EQ(Controller0()["defaults"], Controller0()["factory_defaults"]);

    r = Faulted(kFactoryDefaults, {"-AdpFacDefSet", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Factory Default Set FAILED. \n" + kInvalidParameter);
    EXPECT_EQ(CountRequests(trace, kDcmdCtrlSetDefaults), 0u);
}

TEST_F(AdpMaintenanceTest, TimeSetInEitherOrderIsReadBackInLaterRuns)
{
    WriteState(State(2));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-AdpSetTime", "20120528", "19:00:00", "-a0"},
                                                 std::vector<std::string>{"-AdpSetTime", "19:00:00", "20120528", "-a0"}}) {
        std::string trace;
        RunResult r = TracedTool(args, &trace);
        EXPECT_EQ(r.out, "New date/time is set on Adapter 0\n" + kExitOk);
        EXPECT_EQ(Mailbox(trace, kSetTime), "000000000000000000000000");
    }
    // The controllers of one host share the clock.
    RunResult r = Tool({"-AdpGetTime", "-aALL"});
    const std::string block = "    Date: 05/28/2012\n    Time: 19:00:00\n";
    EXPECT_EQ(r.out, "\nAdapter 0:\n" + block + "\nAdapter 1:\n" + block + kExitOk);

    // Bytes of the time block at their places: 2024-02-29 23:59:58.
    nlohmann::json state = ReadState();
    AddPatch(state, 1, kGetTime, 0, "e807021d173b3a");
    WriteState(state);
    EXPECT_EQ(Tool({"-AdpGetTime", "-a1"}).out, "\nAdapter 1:\n    Date: 02/29/2024\n    Time: 23:59:58\n" + kExitOk);
}

TEST_F(AdpMaintenanceTest, BadDatesNeverReachTheController)
{
    WriteState(State());
    const nlohmann::json before = ReadState();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"20230229", "10:00:00"}, {"20120230", "10:00:00"}, {"20121301", "10:00:00"},
          {"20120431", "10:00:00"}, {"20120400", "10:00:00"}, {"20120101", "24:00:00"}, {"20120101", "23:60:00"},
          {"20120101", "23:59:60"}, {"20120101"}, {"20120101", "20120102"}, {"10:00:00", "11:00:00"},
          {"655360101", "10:00:00"}}) {
        std::vector<std::string> line = {"-AdpSetTime"};
        line.insert(line.end(), args.begin(), args.end());
        line.push_back("-a0");
        RunResult r = Tool(line);
        EXPECT_EQ(r.out, kParseFailedLine + "\nExit Code: 0x01\n") << args[0];
    }
    EXPECT_EQ(ReadState()["clock"], before["clock"]);
    EXPECT_EQ(Tool({"-AdpSetTime", "21000229", "00:00:00", "-a0"}).exitCode, 3);  // the parser's leap rule

    RunResult r = Faulted(kGetTime, {"-AdpGetTime", "-a0"});
    EXPECT_EQ(r.out, "Failed to get data on Adapter 0\n" + kInvalidParameter);
    r = Faulted(kSetTime, {"-AdpSetTime", "20120430", "00:00:00", "-a0"});
    EXPECT_EQ(r.out, "Failed to Set data on Adapter 0\n" + kInvalidParameter);
}

TEST_F(AdpMaintenanceTest, LinkSpeedIsSetOnTheNamedPhy)
{
    WriteState(State(2));
    std::string trace;
    RunResult r = TracedTool({"-PhySetLinkSpeed", "-phy3", "-2", "-aALL"}, &trace);
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(Mailbox(trace, kPhySpeed), "030200000000000000000000");
    EXPECT_EQ(CountRequests(trace, kPhySpeed), 2u);
    for (unsigned c = 0; c < 2; ++c)
        EXPECT_EQ(ReadState()["controllers"][c]["phys"][3]["link_speed"], "3g");

    // A speed outside the five codes, or a PHY or speed that does not fit its byte, is refused
    // before any request.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-phy1", "-3"}, {"-phy256", "-0"}, {"-phy1", "-260"}}) {
        std::vector<std::string> line = {"-PhySetLinkSpeed"};
        line.insert(line.end(), args.begin(), args.end());
        line.push_back("-a0");
        r = TracedTool(line, &trace);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_EQ(CountRequests(trace, kPhySpeed), 0u);
    }
    EXPECT_EQ(r.out, kParseFailedLine + "\nExit Code: 0x01\n");
    r = Tool({"-PhySetLinkSpeed", "-phy1", "-3", "-a0"});
    EXPECT_EQ(r.out, "Phy-Link-Speed can have only 5 values(0,1,2,4 and 8).\n\nExit Code: 0x01\n");
    EXPECT_EQ(Tool({"-PhySetLinkSpeed", "-phy1", "-a0"}).out, kParseFailedLine + "\nExit Code: 0x01\n");
}

TEST_F(AdpMaintenanceTest, TwelveGigabitsOnlyWhereTheControllerAnnouncesThem)
{
    nlohmann::json state = State();
    AddPatch(state, 0, kDcmdCtrlGetInfo, 104, "df");  // every interface bit but 12 Gb/s
    WriteState(state);
    std::string trace;
    RunResult r = TracedTool({"-PhySetLinkSpeed", "-phy0", "-8", "-a0"}, &trace);
    EXPECT_EQ(r.out, " Requested Phy-Link-Speed is not supported on this controller\n\nExit Code: 0x01\n");
    EXPECT_EQ(CountRequests(trace, kPhySpeed), 0u);

    state = State();
    AddPatch(state, 0, kDcmdCtrlGetInfo, 104, "20");
    Ctrl(state)["phys"][0]["link_speed"] = "no_limit";
    WriteState(state);
    EXPECT_EQ(Tool({"-PhySetLinkSpeed", "-phy0", "-8", "-a0"}).out, kExitOk);
    EXPECT_EQ(Controller0()["phys"][0]["link_speed"], "12g");

    // The controller information read is the processor's second; the first is the framework's.
    state = State();
    AddFault(state, 0, kDcmdCtrlGetInfo, 3, 2);
    WriteState(state);
    r = Tool({"-PhySetLinkSpeed", "-phy0", "-4", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0: Failed to Perform Controller information Operation.\n" + kInvalidParameter);
    r = Faulted(kPhySpeed, {"-PhySetLinkSpeed", "-phy0", "-4", "-a0"});
    EXPECT_EQ(r.out, "Failed to Get Phy Information on Adapter 0\n" + kInvalidParameter);
}

}  // namespace
