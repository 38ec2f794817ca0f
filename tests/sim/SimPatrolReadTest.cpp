// Patrol read on the simulated controller: which drives a run reads and how many at once, its
// progress with the clock through suspension, its completion, automatic runs, and the statuses
// of the requests that the run's state refuses.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

constexpr std::uint32_t kPrStatus = 0x01070100;
constexpr std::uint32_t kProperties = 0x01070200;
constexpr std::uint32_t kSetProperties = 0x01070300;
constexpr std::uint32_t kStart = 0x01070400;
constexpr std::uint32_t kStop = 0x01070500;
constexpr std::uint32_t kSuspendResume = 0x01070600;
constexpr std::uint64_t kReadSeconds = 100;  // 4096000 blocks at rate 10

class SimPatrolReadTest : public DriveRulesTest {
protected:
    // The rule fixture's controller, read at rate 10, in the given mode.
    Json PrController(const char* mode, int maxConcurrent = 0)
    {
        Json c = Controller();
        c["properties"]["patrol_read_rate"] = 10;
        c["patrol_read"] = {{"mode", mode}, {"max_concurrent", maxConcurrent}, {"delay_s", 3600}};
        return c;
    }
    std::uint32_t Op(std::uint32_t opcode, std::uint8_t mailbox0 = 0)
    {
        return Send(opcode, mailbox0).Fw();
    }
    // State, completed runs and drives read so far.
    std::vector<std::uint64_t> Status()
    {
        Request s = Dcmd(kPrStatus, 16);
        return {s.At(4), s.At(0, 4), s.At(5)};
    }
    // Drives whose progress block shows a patrol read (bit 1), and those suspended.
    std::vector<int> Reading(bool suspended = false)
    {
        std::vector<int> ids;
        for (int id : {20, 21, 22, 23, 25, 28}) {
            Request p = Progress(id);
            if ((p.At(0) & 2) != 0 && ((p.At(16) & 2) != 0) == suspended)
                ids.push_back(id);
        }
        return ids;
    }
};

TEST_F(SimPatrolReadTest, RunReadsTheOnlineMembersAFewAtATimeUntilItCompletes)
{
    Start(PrController("manual", 2));
    EXPECT_EQ(Status(), (std::vector<std::uint64_t>{0, 0, 0}));
    ASSERT_EQ(Op(kStart), 0u);
    EXPECT_EQ(Reading(), (std::vector<int>{20, 21}));
    EXPECT_EQ(Status(), (std::vector<std::uint64_t>{2, 0, 0}));

    NextRun(kNow + kReadSeconds + 10);
    EXPECT_EQ(Reading(), (std::vector<int>{22, 28}));
    EXPECT_EQ(Status(), (std::vector<std::uint64_t>{2, 0, 2}));
    EXPECT_EQ(Progress(22).At(8, 2), 10u * 65535 / kReadSeconds);

    NextRun(kNow + 2 * kReadSeconds);
    EXPECT_TRUE(Reading().empty());
    EXPECT_EQ(Status(), (std::vector<std::uint64_t>{0, 1, 0}));  // manual mode: stopped
    Close();
    EXPECT_EQ(EventCodes(), (std::vector<std::string>{"0x00000051", "0x00000052"}));
    const Json events = Saved()["events"]["records"];
    EXPECT_EQ(events[1]["time"], kNow + 2 * kReadSeconds);
}

TEST_F(SimPatrolReadTest, RequestsTheRunStateRefuses)
{
    Start(PrController("disabled"));
    EXPECT_EQ(Op(kStart), 39u);
    EXPECT_EQ(Op(kStop), 39u);
    EXPECT_EQ(Op(kSuspendResume, 0), 37u);
    Close();

    Json c = PrController("manual");
    Start(c);
    ASSERT_EQ(Op(kStart), 0u);
    EXPECT_EQ(Op(kStart), 36u);
    EXPECT_EQ(Op(kSuspendResume, 1), 37u);  // nothing suspended
    EXPECT_EQ(Op(kSuspendResume, 2), 3u);
    EXPECT_EQ(Op(kStop), 0u);
    EXPECT_EQ(Status()[0], 255u);  // aborted
    EXPECT_EQ(Op(kStop), 0u);      // nothing left to stop
    Close();

    // No drive can be read: the only members are solid state drives (not read) or their
    // virtual drive is busy.
    for (const char* media : {"ssd", "hdd"}) {
        Json busy = PrController("manual");
        for (Json& d : busy["drives"])
            d["media"] = media;
        if (std::string(media) == "hdd")
            busy["operations"] = {{{"kind", "consistency_check"}, {"target_id", 0}, {"started", kNow}, {"seconds", 1000}},
                                  {{"kind", "consistency_check"}, {"target_id", 1}, {"started", kNow}, {"seconds", 1000}}};
        Start(busy);
        EXPECT_EQ(Op(kStart), 88u) << media;
        Close();
    }
}

TEST_F(SimPatrolReadTest, SuspendedRunHoldsItsProgressWhileTheClockMoves)
{
    Start(PrController("manual"));
    ASSERT_EQ(Op(kStart), 0u);
    NextRun(kNow + 50);
    ASSERT_EQ(Op(kSuspendResume, 0), 0u);
    EXPECT_EQ(Op(kSuspendResume, 0), 37u);
    NextRun(kNow + 5000);
    EXPECT_EQ(Reading(true), (std::vector<int>{20, 21, 22, 28}));
    EXPECT_EQ(Progress(20).At(8, 2), 65535u / 2);
    EXPECT_EQ(Status()[0], 3u);  // suspended
    ASSERT_EQ(Op(kSuspendResume, 1), 0u);
    NextRun(kNow + 5049);
    EXPECT_EQ(Status()[0], 2u);
    NextRun(kNow + 5050);
    EXPECT_EQ(Status(), (std::vector<std::uint64_t>{0, 1, 0}));
    Close();
    EXPECT_EQ(EventCodes(),
              (std::vector<std::string>{"0x00000051", "0x00000054", "0x00000055", "0x00000052"}));
}

TEST_F(SimPatrolReadTest, AutomaticRunsFollowTheStartTimeAndTheDelay)
{
    Json c = PrController("auto");
    c["patrol_read"]["next_start"] = kNow + 10;
    Start(c);
    EXPECT_EQ(Status()[0], 1u);  // ready
    // Two runs fit into the time that passed: the first at the start time, the second an hour
    // after the first ended.
    NextRun(kNow + 10 + kReadSeconds + 3600 + kReadSeconds + 5);
    EXPECT_EQ(Status(), (std::vector<std::uint64_t>{1, 2, 0}));
    Close();
    const Json pr = Saved()["patrol_read"];
    EXPECT_EQ(pr["next_start"], kNow + 10 + 2 * kReadSeconds + 2 * 3600);
    EXPECT_EQ(EventCodes(), (std::vector<std::string>{"0x00000051", "0x00000052", "0x00000051", "0x00000052"}));

    // Writing a start time that has passed starts a run at once; disabling patrol read ends it.
    ASSERT_EQ(Init(), lp::kLibOk);
    Request props = Dcmd(kProperties, 208);
    Bytes block = props.Slice(0, 208);
    PutLe(block.data() + 196, 4, kNow);
    ASSERT_EQ(Write(kSetProperties, block).Fw(), 0u);
    EXPECT_EQ(Status()[0], 2u);
    block[0] = 2;
    ASSERT_EQ(Write(kSetProperties, block).Fw(), 0u);
    EXPECT_EQ(Status()[0], 0u);
    EXPECT_TRUE(Reading().empty());
}

}  // namespace
}  // namespace simtest
