// The performance monitor of the simulated controller: start and stop with their events, samples
// that follow the clock, and the results block field by field.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

constexpr std::uint32_t kStartStop = 0x01170100;
constexpr std::uint32_t kResults = 0x01170200;

class SimPerfMonitorTest : public DriveRulesTest {
protected:
    // Virtual drives 0 and 1, and an SSD cache (target 2) on drive 23.
    Json WithCache()
    {
        Json c = Controller();
        c["info"] = {{"capabilities", {"perf_monitor"}}};
        c["drives"][3]["state"] = "online";
        c["config"]["arrays"].push_back({{"ref", 3}, {"drives", {23}}});
        c["config"]["virtual_drives"].push_back({{"target_id", 2}, {"raid_level", 0}, {"arrays", {3}}, {"ssd_cache", true}});
        return c;
    }

    static Json Counts(std::uint32_t first, std::size_t n)
    {
        Json out = Json::array();
        for (std::size_t i = 0; i < n; ++i)
            out.push_back(first + i);
        return out;
    }

    Request Results(std::uint32_t length = 48 + 224 * 2 + 116) { return Dcmd(kResults, length); }
};

TEST_F(SimPerfMonitorTest, StartStopFollowTheClockAndLogEvents)
{
    Start(WithCache());
    EXPECT_EQ(Send(kStartStop, 10).Fw(), 0u);
    EXPECT_EQ(Results().At(4, 4), 0u);  // no sample complete yet
    NextRun(kNow + 35 * 60);             // three samples of ten minutes
    EXPECT_EQ(Results().At(4, 4), 1800u);
    EXPECT_EQ(Send(kStartStop, 0).Fw(), 0u);
    NextRun(kNow + 100 * 60);            // stopped: the period stays
    EXPECT_EQ(Results().At(4, 4), 1800u);
    EXPECT_EQ(Send(kStartStop, 0).Fw(), 0u);  // stopping again changes nothing
    Close();
    const Json monitor = Saved()["perf_monitor"];
    EXPECT_EQ(monitor["interval_min"], 10);
    EXPECT_EQ(monitor["started"], kNow);
    EXPECT_EQ(monitor["stopped"], kNow + 35 * 60);
    EXPECT_EQ(EventCodes(), (std::vector<std::string>{"0x000000C4", "0x000000C5"}));
    EXPECT_EQ(Saved()["events"]["records"][0]["args"]["rate"], 10);

    // A new start begins a new collection.
    NextRun(kNow + 200 * 60);
    EXPECT_EQ(Send(kStartStop, 1440).Fw(), 0u);
    EXPECT_EQ(Results().At(4, 4), 0u);
}

TEST_F(SimPerfMonitorTest, RefusalsChangeNothing)
{
    Start(WithCache());
    EXPECT_EQ(Send(kStartStop, 1441).Fw(), 3u);
    Close();
    EXPECT_EQ(Saved()["perf_monitor"]["started"], nullptr);

    Json c = WithCache();
    c["info"] = Json::object();
    Start(c);
    EXPECT_EQ(Send(kStartStop, 5).Fw(), 1u);
    EXPECT_EQ(Results().Fw(), 1u);
}

TEST_F(SimPerfMonitorTest, ResultsHoldEveryFieldAtItsOffset)
{
    Json c = WithCache();
    Json vd = {{"target_id", 1},           {"idle_seconds", 30000},          {"read_mb", 7},
               {"write_mb", 8},            {"reads", Counts(100, 6)},        {"writes", Counts(200, 6)},
               {"read_randomness", Counts(300, 7)}, {"write_randomness", Counts(400, 7)},
               {"cache_reads", Counts(500, 6)},     {"cache_writes", Counts(600, 6)},
               {"ssc_reads", Counts(700, 6)},       {"ssc_writes", Counts(800, 6)}};
    Json ssc = {{"target_id", 2},        {"windows", 90},  {"new_windows", 3}, {"cache_lines_in_use", 16},
                {"windows_with_lines", 40}, {"reads", 11}, {"writes", 12},
                {"read_access", Counts(1000, 11)}, {"write_access", Counts(2000, 11)}};
    c["perf_monitor"] = {{"interval_min", 1},
                         {"started", kNow - 120},  // two samples
                         {"cache", {{"dirty_pct", 1}, {"used_pct", 2}, {"read_ahead_cache_mb", 3},
                                    {"read_ahead_ssc_mb", 4}, {"unused_read_ahead_cache_mb", 5},
                                    {"unused_read_ahead_ssc_mb", 6}, {"flush_block_time_ms", 7}}},
                         {"vd_samples", {vd, {{"target_id", 9}, {"read_mb", 1}}}},
                         {"ssc_samples", {ssc}}};
    Start(c);
    const Request r = Results();
    ASSERT_EQ(r.Fw(), 0u);
    ASSERT_EQ(r.Count(), 48u + 224 * 2 + 116);
    const std::uint32_t overall = 40 + 104 * 2 + 116;
    EXPECT_EQ(r.At(0, 4), overall);
    EXPECT_EQ(r.At(4, 4), 120u);
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(r.At(8 + 4 * i, 4), i + 1) << i;
    EXPECT_EQ(r.At(36, 2), 1u);
    EXPECT_EQ(r.At(38, 2), 2u);
    // Virtual drive 0 has no sample: its entries hold zeros. Drive 1's counts double.
    EXPECT_EQ(r.At(40), 0u);
    EXPECT_EQ(r.At(40 + 8, 4), 0u);
    const std::size_t e1 = 40 + 104;
    EXPECT_EQ(r.At(e1), 1u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(r.At(e1 + 8 + 4 * i, 4), 2 * (500 + i));
        EXPECT_EQ(r.At(e1 + 32 + 4 * i, 4), 2 * (600 + i));
        EXPECT_EQ(r.At(e1 + 56 + 4 * i, 4), 2 * (700 + i));
        EXPECT_EQ(r.At(e1 + 80 + 4 * i, 4), 2 * (800 + i));
    }
    const std::size_t s = 40 + 104 * 2;
    EXPECT_EQ(r.At(s), 2u);
    EXPECT_EQ(r.At(s + 4, 4), 90u);
    EXPECT_EQ(r.At(s + 8, 4), 6u);
    EXPECT_EQ(r.At(s + 12), 16u);
    EXPECT_EQ(r.At(s + 16, 4), 40u);
    EXPECT_EQ(r.At(s + 20, 4), 22u);
    EXPECT_EQ(r.At(s + 24, 4), 24u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(r.At(s + 28 + 4 * i, 4), 1000 + i);
        EXPECT_EQ(r.At(s + 72 + 4 * i, 4), 2000 + i);
    }
    EXPECT_EQ(r.At(overall, 4), 240u);
    EXPECT_EQ(r.At(overall + 4, 4), 120u);
    const std::size_t o1 = overall + 8 + 120;
    EXPECT_EQ(r.At(o1), 1u);
    EXPECT_EQ(r.At(o1 + 2, 2), 60000u);
    EXPECT_EQ(r.At(o1 + 8, 4), 14u);
    EXPECT_EQ(r.At(o1 + 12, 4), 16u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(r.At(o1 + 16 + 4 * i, 4), 2 * (100 + i));
        EXPECT_EQ(r.At(o1 + 40 + 4 * i, 4), 2 * (200 + i));
    }
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(r.At(o1 + 64 + 4 * i, 4), 2 * (300 + i));
        EXPECT_EQ(r.At(o1 + 92 + 4 * i, 4), 2 * (400 + i));
    }
    // A shorter transfer gets the reply cut to it.
    EXPECT_EQ(Results(100).Count(), 100u);
}

TEST_F(SimPerfMonitorTest, CountsStopAtTheirLargestValue)
{
    Json c = WithCache();
    c["perf_monitor"] = {{"interval_min", 1}, {"started", kNow - 600},
                         {"vd_samples", {{{"target_id", 0}, {"idle_seconds", 10000}, {"read_mb", 0x80000000u}}}}};
    Start(c);
    const Request r = Results();
    const std::size_t o0 = 40 + 104 * 2 + 116 + 8;
    EXPECT_EQ(r.At(o0 + 2, 2), 0xFFFFu);
    EXPECT_EQ(r.At(o0 + 8, 4), 0xFFFFFFFFu);
}

TEST_F(SimPerfMonitorTest, InconsistentCollectionsAreRefusedWhenRead)
{
    Json c = WithCache();
    c["perf_monitor"] = {{"interval_min", 5}, {"started", kNow}, {"stopped", kNow - 1}};
    WriteState(State({c}));
    EXPECT_EQ(Init(), lp::kLibStateError);
    c["perf_monitor"] = {{"started", kNow}};
    WriteState(State({c}));
    EXPECT_EQ(Init(), lp::kLibStateError);
    c["perf_monitor"] = {{"vd_samples", {{{"target_id", 1}}, {{"target_id", 1}}}}};
    WriteState(State({c}));
    EXPECT_EQ(Init(), lp::kLibStateError);
}

}  // namespace
}  // namespace simtest
