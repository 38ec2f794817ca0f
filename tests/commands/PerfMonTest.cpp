// -PerfMon end to end: starting and stopping the controller's collection (the interval the user
// gave, checked whole), the results appended to a file line by line, the file that cannot be
// written, the feature bit and failed requests; the result file's sections on replies built here.
#include <string>
#include <vector>

#include "CpMgmt/CmdPro/PrfMonCp.h"
#include "commands/AdpInfoTestSupport.h"
#include "fwdata/layout/Opcodes.h"
#include "support/LeBytes.h"

namespace {

using namespace adp_test;


class PerfMonTest : public AdpInfoTest {
protected:
    void SetUp() override
    {
        AdpInfoTest::SetUp();
        state = DefaultState();
    }
    nlohmann::json& Monitor() { return state["controllers"][0]["perf_monitor"]; }
    nlohmann::json SavedMonitor() { return ReadState()["controllers"][0]["perf_monitor"]; }

    nlohmann::json state;
};

TEST_F(PerfMonTest, StartTakesTheIntervalGivenAndStopEndsTheCollection)
{
    WriteState(state);
    struct Case {
        std::vector<std::string> options;
        int interval;
    };
    for (const Case& c : std::vector<Case>{{{"-start"}, 5},
                                           {{"-start", "-interval", "1440"}, 1440},
                                           {{"-start", "-interval", "10", "-format", "csv"}, 10},
                                           {{"-start", "-format", "csv", "-interval", "12"}, 12}}) {
        std::vector<std::string> args = {"-PerfMon"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back("-a0");
        RunResult r = Run(args);
        EXPECT_EQ(r.out, "\nExit Code: 0x00\n");
        EXPECT_EQ(SavedMonitor()["interval_min"], c.interval) << c.options.size();
    }
    EXPECT_EQ(Run({"-PerfMon", "-stop", "-a0"}).exitCode, 0);
    EXPECT_FALSE(SavedMonitor()["stopped"].is_null());

    const std::string before = ReadFile("drivekit-sim.json");
    for (const char* interval : {"0", "1441", "65537"}) {
        RunResult r = Run({"-PerfMon", "-start", "-interval", interval, "-a0"});
        EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n") << interval;
    }
    EXPECT_TRUE(ReadFile("drivekit-sim.json") == before);
}

TEST_F(PerfMonTest, ResultsAreAppendedLineByLine)
{
    Monitor()["vd_samples"] = nlohmann::json::array();
    Monitor()["cache"] = {{"dirty_pct", 1}, {"used_pct", 2}, {"read_ahead_cache_mb", 3}, {"read_ahead_ssc_mb", 4},
                          {"unused_read_ahead_cache_mb", 5}, {"unused_read_ahead_ssc_mb", 6},
                          {"flush_block_time_ms", 7}};
    // The reply's bytes set here: virtual drive 0's cache reads and its overall figures.
    AddPatch(state, 0, kDcmdCtrlMonitorGetResults, 40 + 8,
             HexLe(11, 4) + HexLe(12, 4) + HexLe(13, 4) + HexLe(14, 4) + HexLe(15, 4) + HexLe(16, 4));
    WriteState(state);
    RunResult r = Run({"-PerfMon", "-getresults", "-f", "perf.csv", "-a0"});
    EXPECT_EQ(r.out, "\nExit Code: 0x00\n");
    const std::string report = ReadFile("perf.csv");
    const std::string cache = "CACHE METRICS\n,Collection Period (sec),3600\n,Avg Dirty Cache (pct cache size),1\n"
                              ",Avg Cache Used (pct cache size),2\n,Read Ahead Cache (MB),3\n"
                              ",Unused Read Ahead Cache (MB),5\n,Read Ahead SSC (MB),4\n,Unused Read Ahead SSC (MB),6\n"
                              ",Flush Block Time (ms),7\n,Target LD,0\n,,,Histogram,Size\n"
                              ",,,Range,<=512Bytes,<=4KB,<=16KB,<=64KB,<=256KB,>256KB\n"
                              ",,,Cache Read Count,11,12,13,14,15,16\n,,,Cache Write Count,0,0,0,0,0,0\n";
    EXPECT_EQ(report.substr(0, cache.size()), cache);
    const std::string overall = "LD OVERALL METRICS\n,Collection Period (sec),3600\n,Target LD,0\n"
                                ",,,Idle Time (sec),0\n,,,Read MB,0\n,,,Write MB,0\n,,,Histogram,Size,,,,,,Randomness\n"
                                ",,,Range,<=512Bytes,<=4KB,<=16KB,<=64KB,<=256KB,>256KB,Sequential,<=64K,<=512K,<=16M,"
                                "<=256MB,<=1GB,>1GB\n,,,Read Count,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
                                ",,,Write Count,0,0,0,0,0,0,0,0,0,0,0,0,0\n,Target LD,1\n";
    EXPECT_NE(report.find(overall), std::string::npos) << report;
    EXPECT_EQ(report.substr(report.size() - 3), "\n\n\n");

    // A second run appends the same report after the first.
    EXPECT_EQ(Run({"-PerfMon", "-getresults", "-f", "perf.csv", "-a0"}).exitCode, 0);
    EXPECT_EQ(ReadFile("perf.csv"), report + report);
}

TEST_F(PerfMonTest, FailuresAndTheFeatureBit)
{
    nlohmann::json s = state;
    AddFault(s, 0, kDcmdCtrlMonitorGetResults, 4);
    WriteState(s);
    RunResult r = Run({"-PerfMon", "-getresults", "-f", "perf.csv", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter #0: Failed to Perform PerfMonCp Operation.\n", 0), 0u);
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(ReadFile("perf.csv"), "CACHE METRICS,None to Report\nLD OVERALL METRICS,None to Report\n\n\n\n");

    WriteState(state);
    const std::string before = ReadFile("drivekit-sim.json");
    r = Run({"-PerfMon", "-getresults", "-f", "no/such/dir/perf.csv", "-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to open file no/such/dir/perf.csv.\nReason: No such file or directory.\n"
                     "\nExit Code: 0x01\n");
    EXPECT_EQ(r.exitCode, 1);

    s = state;
    AddFault(s, 0, kDcmdCtrlMonitorControl, 3);
    WriteState(s);
    r = Run({"-PerfMon", "-stop", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter #0: Failed to Perform PerfMonCp Operation.\n", 0), 0u);
    EXPECT_EQ(r.exitCode, 3);

    s = state;
    AddPatch(s, 0, kDcmdCtrlGetInfo, 1509, "00");
    WriteState(s);
    for (const char* action : {"-start", "-stop"}) {
        r = Run({"-PerfMon", action, "-a0"});
        EXPECT_EQ(r.out, "Performance Monitor is not supported\n\nExit Code: 0x01\n");
    }
    s = state;
    AddFault(s, 0, kDcmdCtrlGetInfo, 4);
    WriteState(s);
    EXPECT_EQ(Run({"-PerfMon", "-start", "-a0"}).exitCode, 4);
}

// Reply builders for the result file's edge cases.
std::vector<std::uint8_t> Reply(std::size_t size) { return std::vector<std::uint8_t>(size, 0); }

std::string Csv(const std::vector<std::uint8_t>& reply, const std::string& dir)
{
    const std::string path = dir + "/csv.txt";
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open(path.c_str(), "w+");
    PerfMonCp::WriteResultsCsv(ByteView(reply), file);
    io->Close(file);
    FILE* f = std::fopen(path.c_str(), "r");
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

TEST_F(PerfMonTest, ResultSectionsAreCutToTheReply)
{
    const std::string none = "CACHE METRICS,None to Report\nLD OVERALL METRICS,None to Report\n\n\n\n";
    std::vector<std::uint8_t> reply = Reply(48 + 224);
    PutLeU32(reply.data(), 0, 40 + 104);
    PutLeU32(reply.data(), 40 + 104, 119);  // less than one entry
    PutLeU32(reply.data(), 40 + 104 + 4, 60);
    EXPECT_EQ(Csv(reply, Dir()), none);

    PutLeU32(reply.data(), 0, static_cast<std::uint32_t>(reply.size()));  // the section lies past the reply
    EXPECT_EQ(Csv(reply, Dir()), none);

    // Counts beyond the reply: only the entries it holds are read.
    reply = Reply(48 + 224);
    PutLeU32(reply.data(), 4, 60);
    PutLeU16(reply.data(), 38, 200);
    PutLeU32(reply.data(), 0, 10000);
    const std::string text = Csv(reply, Dir());
    std::size_t targets = 0;
    for (std::size_t at = text.find(",Target LD,"); at != std::string::npos; at = text.find(",Target LD,", at + 1))
        ++targets;
    EXPECT_EQ(targets, 2u);
    EXPECT_NE(text.find(",Flush Block Time (ms),0\n,Target LD,0\n"), std::string::npos);
}

}  // namespace
