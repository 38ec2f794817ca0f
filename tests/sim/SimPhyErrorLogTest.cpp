// The PHY error log request of the simulated controller: the frame's checks, both ways of naming
// a PHY, the counters from the state file and patches on the reply.
#include "SimHarness.h"

namespace simtest {
namespace {

constexpr std::uint32_t kOpcode = 0x07040000;
constexpr std::uint32_t kFrameSize = 59;

class SimPhyErrorLogTest : public SimTest {
protected:
    static Json Controller(bool moreThan8)
    {
        Json phys = Json::array();
        for (int n = 0; n < 12; ++n) {
            phys.push_back({{"phy_id", n},
                            {"error_counters",
                             {{"invalid_dwords", 100 + n}, {"disparity_errors", 200 + n},
                              {"dword_sync_losses", 300 + n}, {"reset_problems", 0xFFFFFFF0u + n}}}});
        }
        Json c = {{"phys", phys}};
        if (moreThan8)
            c["info"] = {{"capabilities", {"more_than_8_phys"}}};
        return c;
    }

    void Start(bool moreThan8, Json patches = Json::array())
    {
        Json state = State({Controller(moreThan8)});
        state["patches"] = std::move(patches);
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }

    static Bytes Frame(std::uint32_t phy, bool direct, std::uint8_t group = 0)
    {
        Bytes f(kFrameSize, 0);
        f[0] = 1;
        f[1] = direct ? 1 : 0;
        PutLe(&f[4], 2, 28);
        f[6] = 19;
        f[22] = 1;
        f[23] = 15;
        PutLe(&f[24], 4, phy);
        f[28] = group;
        return f;
    }

    Request Send(const Bytes& frame)
    {
        Request r(lp::kFnDcmd, 0, static_cast<std::uint32_t>(frame.size()), lp::kDirBoth);
        std::copy(frame.begin(), frame.end(), r.Data());
        r.Opcode(kOpcode).Send();
        return r;
    }

    static void ExpectCounters(const Request& r, std::uint32_t phy)
    {
        EXPECT_EQ(r.Fw(), 0u);
        EXPECT_EQ(r.Count(), kFrameSize);
        EXPECT_EQ(r.At(31, 4), 0u);
        EXPECT_EQ(r.At(35, 4), 0u);
        EXPECT_EQ(r.At(39, 4), phy);
        EXPECT_EQ(r.At(43, 4), 100u + phy);
        EXPECT_EQ(r.At(47, 4), 200u + phy);
        EXPECT_EQ(r.At(51, 4), 300u + phy);
        EXPECT_EQ(r.At(55, 4), 0xFFFFFFF0u + phy);
        EXPECT_EQ(r.At(23), 15u);  // the request part comes back
    }
};

TEST_F(SimPhyErrorLogTest, GroupFormNamesPhysByGroupOfEight)
{
    Start(false);
    ExpectCounters(Send(Frame(3, false)), 3);
    ExpectCounters(Send(Frame(1, false, 1)), 9);
    // A number of 8 or more within a group, a group above 1, or a PHY past the list: 3.
    EXPECT_EQ(Send(Frame(8, false)).Fw(), 3u);
    EXPECT_EQ(Send(Frame(0, false, 2)).Fw(), 3u);
    EXPECT_EQ(Send(Frame(4, false, 1)).Fw(), 3u);
    // The direct form is answered only by a controller with more than eight PHYs.
    EXPECT_EQ(Send(Frame(9, true)).Fw(), 3u);
}

TEST_F(SimPhyErrorLogTest, DirectFormCountsEveryPhy)
{
    Start(true);
    ExpectCounters(Send(Frame(11, true)), 11);
    ExpectCounters(Send(Frame(2, false)), 2);
    EXPECT_EQ(Send(Frame(12, true)).Fw(), 3u);
}

TEST_F(SimPhyErrorLogTest, MalformedFramesAreRefused)
{
    Start(false);
    const std::size_t marks[] = {0, 4, 6, 22, 23};
    for (std::size_t at : marks) {
        Bytes f = Frame(0, false);
        f[at] ^= 0x40;
        EXPECT_EQ(Send(f).Fw(), 3u) << "byte " << at;
    }
    Bytes f = Frame(0, false);
    f[1] = 2;
    EXPECT_EQ(Send(f).Fw(), 3u);
    // Shorter than the frame, or not sent both ways.
    Bytes shorter = Frame(0, false);
    shorter.resize(58);
    EXPECT_EQ(Send(shorter).Fw(), 3u);
    Request oneWay = Write(kOpcode, Frame(0, false));
    EXPECT_EQ(oneWay.Fw(), 3u);
}

TEST_F(SimPhyErrorLogTest, PatchesChangeTheReply)
{
    Json patch = {{"controller", 0}, {"opcode", "0x07040000"}, {"offset", 43}, {"hex", "0a000000"}};
    Start(false, Json::array({patch}));
    const Request r = Send(Frame(5, false));
    EXPECT_EQ(r.At(43, 4), 10u);
    EXPECT_EQ(r.At(47, 4), 205u);
}

TEST_F(SimPhyErrorLogTest, CountersAndTheTwelveGigabitSpeedAreKeptInTheStateFile)
{
    Json c = Controller(false);
    c["phys"][0]["link_speed"] = "12g";
    Json state = State({c});
    state["clock"] = {{"now", 1}, {"advance_per_run", 1}};  // the run saves the state
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(0x07010000, 264).At(8 + 14), 8u << 2);
    Close();
    const Json saved = ReadState()["controllers"][0]["phys"];
    ASSERT_EQ(saved.size(), 12u);
    EXPECT_EQ(saved[0]["link_speed"], "12g");
    for (std::size_t n = 0; n < saved.size(); ++n)
        EXPECT_EQ(saved[n]["error_counters"], c["phys"][n]["error_counters"]) << n;
}

}  // namespace
}  // namespace simtest
