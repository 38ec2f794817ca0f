// -DpmStat end to end: the monitor's configuration, the four statistics printers on drives whose
// statistics the test sets, the drive order, a named drive, clearing by kind, and failures. The
// time-stamp conversion is checked on its own.
#include <string>
#include <vector>

#include "CpMgmt/CmdPro/DpmStatCp.h"
#include "commands/AdpInfoTestSupport.h"

namespace {

using namespace adp_test;

constexpr unsigned kDpmState = 0x0A010000;
constexpr unsigned kDpmStats = 0x0A020000;
constexpr unsigned kDpmControl = 0x0A030000;

const std::string kConfig =
    "Drive Performance Monitor Configuration for 0\nPerformance Monitor: ON\nMax commands for averaging: 300\n"
    "Max latency commands to save: 12\n\n";

class DpmStatTest : public AdpInfoTest {
protected:
    void SetUp() override
    {
        AdpInfoTest::SetUp();
        state = DefaultState();
        nlohmann::json& dpm = state["controllers"][0]["dpm"];
        dpm = {{"enabled", true}, {"averaged_commands", 300}, {"longest_commands", 12}, {"ticks_per_second", 2000}};
        for (nlohmann::json& d : Drives())
            d["statistics"] = nullptr;
    }
    nlohmann::json& Drives() { return state["controllers"][0]["drives"]; }

    nlohmann::json state;
};

TEST_F(DpmStatTest, LongestCommandsWithDatesAndTimesSinceStart)
{
    Drives()[0]["statistics"] = {
        {"longest_commands",
         {{{"start_ticks", 1000}, {"end_ticks", 1500}, {"time", 366u * 86400u + 3723u}, {"command", "2A0001"}},
          {{"start_ticks", 4294967000u}, {"end_ticks", 704}, {"time", "0xFF34BC00"}, {"command", "00"}}}}};
    WriteState(state);
    RunResult r = Run({"-DpmStat", "-Dsply", "lct", "-PhysDrv[252:0]", "-a0"});
    std::string expected = kConfig +
                           "Enclosure Device ID: 252\nSlot Number: 0\nDevice Id: 8\n                    Resp \n"
                           "Date    |   Time  | Time(ms) | CDB/ATA Task File(hex)\n" +
                           std::string(77, '-') + "\n\n" +
                           "01-01-01  01:02:03  250.0000  2a 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
                           "40:0:0              500.0000  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n";
    for (int i = 0; i < 8; ++i)
        expected += "0        0         0.0000    00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n";
    EXPECT_EQ(r.out, expected + "\n\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(DpmStatTest, HistogramExtendedCountersAndRunningAverages)
{
    nlohmann::json histogram = nlohmann::json::array();
    for (int i = 1; i <= 38; ++i)
        histogram.push_back(i * 10);
    Drives()[1]["statistics"] = {{"histogram", histogram}, {"read_commands", 0xFFFFFFFFu}, {"write_commands", 5},
                                 {"sectors_read", 123456789012ull}, {"flush_commands", 0xFFFFFFFFu},
                                 {"iops", 250}, {"queue_depth", 4}, {"transfer_rate", 2048}, {"response_ticks", 3}};
    WriteState(state);
    RunResult r = Run({"-DpmStat", "-Dsply", "hist", "-PhysDrv[252:1]", "-a0"});
    EXPECT_NE(r.out.find("10        10                  100\n11        20                  110\n"), std::string::npos);
    EXPECT_NE(r.out.find("37        10000  " + std::string(6, ' ') + "       370\n38        10000+ " +
                         std::string(6, ' ') + "       380\n------------------------------------------  \n\n\n\n"),
              std::string::npos)
        << r.out;

    r = Run({"-DpmStat", "-Dsply", "ext", "-PhysDrv[252:1]", "-a0"});
    EXPECT_NE(r.out.find("Device Id: 9\n  Sectors                                      Commands\n"), std::string::npos);
    EXPECT_NE(r.out.find(" \n123456789012" "0           0              ########    5           0           "
                         "-1        \n\n"),
              std::string::npos)
        << r.out;

    // One unlabelled row per drive, in enclosure-then-slot order.
    r = Run({"-DpmStat", "-Dsply", "ra", "-a0"});
    const std::string head = "Requested data: Running Average Drive Statistics\n\n"
                             "Enclosure   Slot                           Queue      Xfer       Resp\n";
    EXPECT_EQ(r.out.find(kConfig + head), 0u);
    EXPECT_NE(r.out.find("(ms)\n\n252         0        8          0        0         0.0000       0.0000    \n"
                         "252         1        9          250      4         2.0000       1.5000    \n"
                         "252         2        10         0 "),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(DpmStatTest, NamedDrivesAndClearing)
{
    Drives()[0]["statistics"] = {{"histogram", {5, 6}}, {"iops", 7}};
    WriteState(state);
    RunResult r = Run({"-DpmStat", "-Dsply", "lct", "-PhysDrv[252:11]", "-a0"});
    EXPECT_EQ(r.out, kConfig + "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Run({"-DpmStat", "-Dsply", "lct", "-PhysDrv[252:0,252:1]", "-a0"}).exitCode, 1);
    EXPECT_EQ(Run({"-DpmStat", "-Dsply", "-a0"}).exitCode, 1);

    r = Run({"-DpmStat", "-Clear", "hist", "-a0"});
    EXPECT_EQ(r.out, "Successfully cleared DPM Histogram\n\nExit Code: 0x00\n");
    const nlohmann::json kept = ReadState()["controllers"][0]["drives"][0]["statistics"];
    EXPECT_EQ(kept["iops"], 7);  // mask 4 clears the histogram only
    EXPECT_TRUE(kept["histogram"].empty() || kept["histogram"][0] == 0) << kept.dump();
}

TEST_F(DpmStatTest, FailedRequests)
{
    // The processor fails with -1; the run ends with the firmware's status (the exit path).
    struct Case {
        unsigned opcode;
        std::vector<std::string> args;
        std::string out;
        int status;
    };
    const std::vector<Case> cases = {
        {kDpmState, {"-Dsply", "ext"},
         "Adapter #0: Failed to Perform get DPM performance monitoring configuration Operation.\n", 3},
        {kDpmStats, {"-Dsply", "ext"}, kConfig + "Enclosure Device ID: 252\nSlot Number: 0\nDevice Id: 8\n"
                                                 "Adapter #0: Failed to Perform get DPM data Operation.\n", 3},
        {kDpmControl, {"-Clear", "hist"}, "failed to Clear HIST", 3},
        {kDpmControl, {"-Clear", "lct"}, "failed to Clear LCT", 3},
    };
    for (const Case& c : cases) {
        nlohmann::json s = state;
        AddFault(s, 0, c.opcode, 3);
        WriteState(s);
        std::vector<std::string> args = {"-DpmStat"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back("-a0");
        RunResult r = Run(args);
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args[1];
        EXPECT_EQ(r.exitCode, c.status) << c.args[1];
    }
}

TEST(DpmStatTimestamp, DatesSinceTwoThousandAndTimesSinceStart)
{
    const std::vector<std::pair<unsigned, std::string>> cases = {
        {0, "00-01-01,00:00:00 "},
        {365u * 86400u, "00-12-31,00:00:00 "},
        {366u * 86400u, "01-01-01,00:00:00 "},
        {(366u + 31u + 28u) * 86400u + 45296u, "01-03-01,12:34:56 "},
        {0xFF000E10, "0:1:0 "},
        {0xFF000000 | (40u * 86400u), "40:0:0 "},
    };
    for (const auto& [stamp, text] : cases) {
        char out[32] = {};
        DpmStatCp::FormatTimestamp(stamp, out);
        EXPECT_EQ(std::string(out), text) << stamp;
    }
    EXPECT_EQ(DpmStatCp::IsLeapYear(2000), 1);
    EXPECT_EQ(DpmStatCp::IsLeapYear(1900), 0);
    EXPECT_EQ(DpmStatCp::IsLeapYear(2024), 1);
    EXPECT_EQ(DpmStatCp::IsLeapYear(2023), 0);
}

}  // namespace
