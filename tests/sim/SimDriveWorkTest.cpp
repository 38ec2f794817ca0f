// Background work on drives in the simulated controller: rebuilds by hand and onto hot spares,
// clears and copybacks, their progress at exact clock values, suspend and resume, and their
// completion when a later run finds the clock past their end.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

// The rebuild's progress fields: running bit, progress, seconds, suspended bit.
struct Shown {
    bool running;
    std::uint64_t progress;
    std::uint64_t seconds;
    bool suspended;
};

class DriveWorkTest : public DriveRulesTest {
protected:
    Shown Rebuild(int id)
    {
        Request p = Progress(id);
        return {(p.At(0) & 1) != 0, p.At(4, 2), p.At(6, 2), (p.At(16) & 1) != 0};
    }
    Json Spare(int id, Json arrays = Json::array(), bool revertible = false, bool affinity = false)
    {
        return Json{{"device_id", id}, {"arrays", std::move(arrays)}, {"revertible", revertible},
                    {"enclosure_affinity", affinity}};
    }
    bool Logged(const std::string& code)
    {
        const auto codes = EventCodes();
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }
};

TEST_F(DriveWorkTest, RebuildByHandRunsWithTheClockAndCompletes)
{
    Start(Controller());
    ASSERT_EQ(SetState(21, kOffline), 0u);
    ASSERT_EQ(Send(0x02040100, Ref(21)).Fw(), 0u);
    EXPECT_EQ(FwState(21), kRebuild);
    EXPECT_EQ(VdState(0), 2u);
    EXPECT_EQ(Record(21).At(362), 0x10u);  // may be suspended

    // 4096000 blocks at rate 10 (40960 a second): 100 seconds.
    NextRun(kNow + 25);
    Shown s = Rebuild(21);
    EXPECT_TRUE(s.running);
    EXPECT_EQ(s.progress, 25u * 65535 / 100);
    EXPECT_EQ(s.seconds, 25u);

    ASSERT_EQ(Send(0x020E0100, Ref(21), 0).Fw(), 0u);
    EXPECT_EQ(Send(0x020E0100, Ref(21), 0).Fw(), 50u);  // already suspended
    EXPECT_EQ(Send(0x020E0100, Ref(21), 2).Fw(), 3u);
    EXPECT_EQ(Record(21).At(362), 0x20u);  // may be resumed
    NextRun(kNow + 55);
    s = Rebuild(21);
    EXPECT_TRUE(s.suspended);
    EXPECT_EQ(s.progress, 25u * 65535 / 100);  // frozen while suspended
    ASSERT_EQ(Send(0x020E0100, Ref(21), 1).Fw(), 0u);
    EXPECT_EQ(Send(0x020E0100, Ref(21), 1).Fw(), 50u);

    // 30 seconds suspended: the end moves from kNow + 100 to kNow + 130.
    NextRun(kNow + 129);
    s = Rebuild(21);
    EXPECT_FALSE(s.suspended);
    EXPECT_EQ(s.progress, 99u * 65535 / 100);
    EXPECT_EQ(s.seconds, 99u);
    NextRun(kNow + 500);
    EXPECT_FALSE(Rebuild(21).running);
    EXPECT_EQ(FwState(21), kOnline);
    EXPECT_EQ(VdState(0), 3u);
    EXPECT_EQ(Record(21).At(362), 0u);
    const Json last = Saved()["events"]["records"].back();
    EXPECT_EQ(last["code"], "0x00000032");  // the virtual drive optimal again...
    EXPECT_EQ(last["time"], kNow + 130);     // ...when the rebuild ended, not when it was seen
    EXPECT_TRUE(Saved()["operations"].empty());
}

TEST_F(DriveWorkTest, RebuildRefusalsAndStop)
{
    Start(Controller());
    EXPECT_EQ(Send(0x02040100, Ref(20)).Fw(), 50u);  // online
    EXPECT_EQ(Send(0x02040100, Ref(23)).Fw(), 50u);  // not in an array
    EXPECT_EQ(Send(0x02040200, Ref(20)).Fw(), 50u);  // not rebuilding
    EXPECT_EQ(Send(0x020E0100, Ref(20), 0).Fw(), 50u);
    EXPECT_EQ(Send(0x02040100, 99 | (1u << 16)).Fw(), 12u);
    ASSERT_EQ(SetState(28, kOffline), 0u);
    EXPECT_EQ(VdState(1), 0u);
    EXPECT_EQ(Send(0x02040100, Ref(28)).Fw(), 50u);  // RAID 0 holds nothing to rebuild from
    ASSERT_EQ(SetState(21, kOffline), 0u);
    ASSERT_EQ(SetState(22, kOffline), 0u);
    EXPECT_EQ(Send(0x02040100, Ref(22)).Fw(), 50u);  // two rows lost: the RAID 5 is gone
    EXPECT_EQ(Send(0x02040100, (Ref(21) & 0xFFFF) | (9u << 16)).Fw(), 4u);

    ASSERT_EQ(SetState(22, kOnline), 0u);
    ASSERT_EQ(Send(0x02040100, Ref(21)).Fw(), 0u);
    ASSERT_EQ(Send(0x02040200, Ref(21)).Fw(), 0u);
    EXPECT_EQ(FwState(21), kOffline);
    EXPECT_FALSE(Rebuild(21).running);
    EXPECT_TRUE(Saved()["operations"].empty());

    // A rebuild stops when its array loses another row to rebuild from.
    ASSERT_EQ(Send(0x02040100, Ref(21)).Fw(), 0u);
    ASSERT_EQ(SetState(22, kOffline), 0u);
    EXPECT_EQ(FwState(21), kOffline);
    EXPECT_TRUE(Saved()["operations"].empty());
}

TEST_F(DriveWorkTest, HotSpareTakesTheRowOfAMemberTakenOffline)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "hot_spare"));
    c["config"]["spares"] = {Spare(26)};
    Start(c);
    ASSERT_EQ(SetState(21, kOffline), 0u);
    EXPECT_EQ(Rows(0), Json({20, 26, 22}));
    EXPECT_EQ(FwState(21), 0u);  // left the array, unconfigured good
    EXPECT_EQ(FwState(26), kRebuild);
    EXPECT_TRUE(Saved()["config"]["spares"].empty());
    EXPECT_EQ(VdState(0), 2u);
    NextRun(kNow + 50);
    EXPECT_EQ(Rebuild(26).progress, 65535u / 2);
    NextRun(kNow + 100);
    EXPECT_EQ(FwState(26), kOnline);
    EXPECT_EQ(VdState(0), 3u);
    EXPECT_TRUE(Logged("0x00000068"));
    EXPECT_TRUE(Logged("0x00000069"));

    // Without automatic rebuilds the spare waits.
    Close();
    c["properties"]["auto_rebuild"] = false;
    Start(c);
    ASSERT_EQ(SetState(21, kOffline), 0u);
    EXPECT_EQ(Rows(0), Json({20, 21, 22}));
    EXPECT_EQ(FwState(26), 0x02u);
}

TEST_F(DriveWorkTest, SpareChoicePrefersDedicatedThenTheSameEnclosure)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "hot_spare"));                 // global, same enclosure
    c["drives"].push_back(Drive(29, 9, "hot_spare", kBlocks, 253));   // dedicated, elsewhere
    c["drives"].push_back(Drive(30, 10, "hot_spare", kBlocks, 253));  // global, affinity elsewhere
    c["drives"].push_back(Drive(31, 11, "hot_spare", 4096));          // too small
    const Json all = {Spare(26), Spare(29, {1}), Spare(30, Json::array(), false, true), Spare(31)};
    const struct {
        std::vector<int> spares;  // indexes into `all`
        int chosen;
    } cases[] = {{{0, 1, 2, 3}, 29}, {{0, 2, 3}, 26}, {{2, 3}, 30}, {{3}, 21}};
    for (const auto& k : cases) {
        Json spares = Json::array();
        Json drives = c["drives"];
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (std::find(k.spares.begin(), k.spares.end(), static_cast<int>(i)) != k.spares.end())
                spares.push_back(all[i]);
            else
                drives[8 + i]["state"] = "unconfigured_good";
        }
        Json variant = c;
        variant["drives"] = drives;
        variant["config"]["spares"] = spares;
        Start(variant);
        ASSERT_EQ(SetState(21, kOffline), 0u);
        EXPECT_EQ(Rows(0)[1], k.chosen) << "first choice " << k.chosen;
        Close();
    }
}

TEST_F(DriveWorkTest, ClearRunsOnUnconfiguredGoodDrivesOnly)
{
    Start(Controller());
    EXPECT_EQ(Send(0x02050100, Ref(20)).Fw(), 50u);
    EXPECT_EQ(Send(0x02050200, Ref(23)).Fw(), 50u);  // nothing to stop
    ASSERT_EQ(Send(0x02050100, Ref(23)).Fw(), 0u);
    EXPECT_EQ(Send(0x02050100, Ref(23)).Fw(), 50u);  // already clearing
    EXPECT_EQ(SetState(23, 0x40), 50u);              // busy
    // 4096000 blocks at full speed (409600 a second): 10 seconds.
    NextRun(kNow + 5);
    Request p = Progress(23);
    EXPECT_EQ(p.At(0), 0x04u);
    EXPECT_EQ(p.At(12, 2), 65535u / 2);
    EXPECT_EQ(p.At(14, 2), 5u);
    ASSERT_EQ(Send(0x02050200, Ref(23)).Fw(), 0u);
    EXPECT_EQ(Progress(23).At(0), 0u);

    ASSERT_EQ(Send(0x02050100, Ref(23)).Fw(), 0u);
    NextRun(kNow + 15);
    EXPECT_EQ(Progress(23).At(0), 0u);
    EXPECT_EQ(FwState(23), 0u);
    EXPECT_EQ(Saved()["events"]["records"].back()["time"], kNow + 15);
}

TEST_F(DriveWorkTest, CopybackReturnsARevertibleSpareAfterItsRebuild)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "hot_spare"));
    c["config"]["spares"] = {Spare(26, Json::array(), true, true)};
    Start(c);
    ASSERT_EQ(SetState(21, kOffline), 0u);
    NextRun(kNow + 100);
    ASSERT_EQ(FwState(26), kOnline);

    const std::string before = ReadText();
    EXPECT_EQ(Send(0x020B0100, Ref(20), Ref(26)).Fw(), 50u);  // target in an array
    EXPECT_EQ(Send(0x020B0100, Ref(21), Ref(23)).Fw(), 50u);  // source not in an array
    EXPECT_EQ(Send(0x020B0100, Ref(27), Ref(26)).Fw(), 48u);  // target too small
    EXPECT_EQ(Send(0x020B0100, Ref(26), Ref(26)).Fw(), 50u);
    EXPECT_EQ(Send(0x020B0100, 21 | (9u << 16), Ref(26)).Fw(), 4u);
    EXPECT_EQ(ReadText(), before);

    // Word 0 names the target, word 1 the source; both report the copy.
    ASSERT_EQ(Send(0x020B0100, Ref(21), Ref(26)).Fw(), 0u);
    EXPECT_EQ(FwState(21), kCopyback);
    NextRun(kNow + 150);
    for (int id : {21, 26}) {
        Request p = Progress(id);
        EXPECT_EQ(p.At(0), 0x08u) << id;
        EXPECT_EQ(p.At(4, 2), 65535u / 2) << id;
        EXPECT_EQ(Record(id).At(362), 0x40u) << id;
    }
    ASSERT_EQ(Send(0x020E0200, Ref(26), 0).Fw(), 0u);
    EXPECT_EQ(Progress(21).At(16), 0x08u);
    EXPECT_EQ(Record(21).At(362), 0x80u);
    ASSERT_EQ(Send(0x020E0200, Ref(21), 1).Fw(), 0u);

    NextRun(kNow + 200);
    EXPECT_EQ(Rows(0), Json({20, 21, 22}));
    EXPECT_EQ(FwState(21), kOnline);
    EXPECT_EQ(FwState(26), 0x02u);
    EXPECT_EQ(Saved()["config"]["spares"], Json::array({Spare(26, Json::array(), true, true)}));
    EXPECT_EQ(VdState(0), 3u);

    // A copyback stopped by its source leaves the target unconfigured good.
    ASSERT_EQ(Send(0x020B0100, Ref(23), Ref(20)).Fw(), 0u);
    EXPECT_EQ(Send(0x02090100, Ref(23)).Fw(), 50u);  // busy
    ASSERT_EQ(Send(0x020B0200, Ref(20)).Fw(), 0u);
    EXPECT_EQ(FwState(23), 0u);
    EXPECT_EQ(Send(0x020B0200, Ref(20)).Fw(), 50u);
    EXPECT_TRUE(Saved()["operations"].empty());
}

}  // namespace
}  // namespace simtest
