// The drive performance monitor's statistics of the simulated controller: the three blocks field
// by field from the state file, the drive reference check, and the state file round trip.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

constexpr std::uint32_t kStatistics = 0x0A020000;

class SimDriveStatisticsTest : public DriveRulesTest {
protected:
    static Json Statistics()
    {
        Json histogram = Json::array();
        for (int bin = 0; bin < 38; ++bin)
            histogram.push_back(1000 + bin);
        return Json{{"iops", 1},
                    {"transfer_rate", 2},
                    {"response_ticks", 3},
                    {"queue_depth", 4},
                    {"sectors_read", 0x100000005u},
                    {"sectors_written", 0x200000006u},
                    {"sectors_written_fua", 0x300000007u},
                    {"read_commands", 0xFFFFFFFFu},
                    {"write_commands", 9},
                    {"write_fua_commands", 10},
                    {"flush_commands", 11},
                    {"histogram", histogram},
                    {"longest_commands",
                     {{{"start_ticks", 100}, {"end_ticks", 350}, {"time", "0xFF000E10"},
                       {"command", "28001A2B3C00000080000000000000FF"}},
                      {{"start_ticks", 0xFFFFFFF0u}, {"end_ticks", 16}, {"time", 123456}, {"command", "2a"}}}}};
    }

    void SetUp() override
    {
        DriveRulesTest::SetUp();
        Json c = Controller();
        c["drives"][1]["statistics"] = Statistics();
        Start(c);
    }

    Request Read(std::uint32_t ref, std::uint32_t kind, std::uint32_t length)
    {
        Request r(lp::kFnDcmd, 0, length, lp::kDirFromController);
        r.Put(lp::kOffMailbox, 4, ref);
        r.Put(lp::kOffMailbox + 4, 4, kind);
        r.Opcode(kStatistics).Send();
        return r;
    }
};

TEST_F(SimDriveStatisticsTest, CountersBlock)
{
    const Request r = Read(Ref(21), 4, 56);
    ASSERT_EQ(r.Fw(), 0u);
    EXPECT_EQ(r.Count(), 56u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(r.At(4 * i, 4), i + 1);
    EXPECT_EQ(r.At(16, 8), 0x100000005u);
    EXPECT_EQ(r.At(24, 8), 0x200000006u);
    EXPECT_EQ(r.At(32, 8), 0x300000007u);
    EXPECT_EQ(r.At(40, 4), 0xFFFFFFFFu);
    EXPECT_EQ(r.At(44, 4), 9u);
    EXPECT_EQ(r.At(48, 4), 10u);
    EXPECT_EQ(r.At(52, 4), 11u);
    // Cut to a shorter transfer.
    EXPECT_EQ(Read(Ref(21), 4, 40).Count(), 40u);
}

TEST_F(SimDriveStatisticsTest, HistogramAndLongestCommands)
{
    const Request h = Read(Ref(21), 3, 152);
    ASSERT_EQ(h.Fw(), 0u);
    for (std::size_t bin = 0; bin < 38; ++bin)
        EXPECT_EQ(h.At(4 * bin, 4), 1000 + bin);

    const Request l = Read(Ref(21), 2, 400);
    ASSERT_EQ(l.Fw(), 0u);
    EXPECT_EQ(l.Count(), 400u);
    EXPECT_EQ(l.At(0, 8), 0u);
    EXPECT_EQ(l.At(8, 4), 0u);
    EXPECT_EQ(l.At(12, 4), 100u);
    EXPECT_EQ(l.At(16, 4), 350u);
    EXPECT_EQ(l.At(20, 4), 0xFF000E10u);
    EXPECT_EQ(l.Slice(24, 16), (Bytes{0x28, 0, 0x1A, 0x2B, 0x3C, 0, 0, 0, 0x80, 0, 0, 0, 0, 0, 0, 0xFF}));
    EXPECT_EQ(l.At(40 + 12, 4), 0xFFFFFFF0u);
    EXPECT_EQ(l.At(40 + 20, 4), 123456u);
    EXPECT_EQ(l.At(40 + 24), 0x2Au);
    for (std::size_t record = 2; record < 10; ++record)
        EXPECT_EQ(l.Slice(40 * record, 40), Bytes(40, 0)) << record;
    // A drive without statistics answers zeros.
    EXPECT_EQ(Read(Ref(20), 3, 152).Slice(0, 152), Bytes(152, 0));
}

TEST_F(SimDriveStatisticsTest, RequestsThatNameNoDriveOrKindAreRefused)
{
    const std::uint32_t ref = Ref(21);
    EXPECT_EQ(Read(ref, 1, 56).Fw(), 3u);
    EXPECT_EQ(Read(ref, 5, 56).Fw(), 3u);
    EXPECT_EQ(Read(ref + 0x10000, 4, 56).Fw(), 4u);  // an older or newer sequence number
    EXPECT_EQ(Read(99, 4, 56).Fw(), 12u);
    EXPECT_EQ(Read(252, 4, 56).Fw(), 12u);  // the enclosure keeps no statistics
}

TEST_F(SimDriveStatisticsTest, ClearingEmptiesWhatTheMaskNames)
{
    const std::uint32_t ref = Ref(21);
    EXPECT_EQ(Send(0x0A030000, 2, 4 | 16).Fw(), 0u);  // histogram and extended counters
    EXPECT_EQ(Read(ref, 3, 152).Slice(0, 152), Bytes(152, 0));
    const Request counters = Read(ref, 4, 56);
    EXPECT_EQ(counters.At(0, 4), 1u);  // running averages stay
    EXPECT_EQ(counters.At(12, 4), 4u);
    EXPECT_EQ(counters.Slice(16, 40), Bytes(40, 0));
    EXPECT_EQ(Read(ref, 2, 400).At(12, 4), 100u);
    EXPECT_EQ(Send(0x0A030000, 2, 2 | 8).Fw(), 0u);
    EXPECT_EQ(Read(ref, 4, 56).Slice(0, 56), Bytes(56, 0));
    EXPECT_EQ(Read(ref, 2, 400).Slice(0, 400), Bytes(400, 0));
    Close();
    EXPECT_EQ(Saved()["drives"][1]["statistics"], nullptr);
}

TEST_F(SimDriveStatisticsTest, StatisticsAreKeptInTheStateFile)
{
    Close();
    Json state = ReadState();
    state["clock"]["advance_per_run"] = 1;  // the run saves the state
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    const Json drives = Saved()["drives"];
    EXPECT_EQ(drives[0]["statistics"], nullptr);
    Json expected = Statistics();
    expected["longest_commands"][0]["time"] = "0xFF000E10";
    expected["longest_commands"][1]["time"] = "0x0001E240";
    expected["longest_commands"][1]["command"] = "2A000000000000000000000000000000";
    EXPECT_EQ(drives[1]["statistics"], expected);
}

}  // namespace
}  // namespace simtest
