// Drive firmware states in the simulated controller: the transitions a set-state request may
// make, refusals that change nothing, the system-drive conversion limit, missing rows and their
// replacement, removal, locate.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

TEST_F(DriveRulesTest, OfflineDegradesAndOnlineRestoresWithNewSequenceNumbers)
{
    Start(Controller());
    const std::uint32_t before = Ref(21);
    EXPECT_EQ(SetState(21, kOffline), 0u);
    EXPECT_EQ(FwState(21), kOffline);
    EXPECT_EQ(Ref(21), before + 0x10000);  // same device id, next sequence number
    EXPECT_EQ(VdState(0), 2u);
    EXPECT_EQ(Send(0x02030100, before, kOnline).Fw(), 4u);  // the old reference is refused

    EXPECT_EQ(SetState(21, kOnline), 0u);
    EXPECT_EQ(VdState(0), 3u);
    EXPECT_EQ(Saved()["drives"][1]["seq"], 3);
    // State changes and the virtual drive's way down and back up are in the log.
    const std::vector<std::string> expected = {"0x00000060", "0x00000032", "0x00000060", "0x00000032"};
    EXPECT_EQ(EventCodes(), expected);
}

TEST_F(DriveRulesTest, UnconfiguredAndSystemDriveTransitions)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "hot_spare"));
    c["config"]["spares"] = {{{"device_id", 26}}};
    Start(c);
    EXPECT_EQ(SetState(24, kGood), 0u);  // from unconfigured bad
    EXPECT_EQ(SetState(23, kJbod), 0u);
    EXPECT_EQ(SetState(25, kGood), 0u);  // from system drive
    EXPECT_EQ(SetState(26, kGood), 0u);  // a hot spare leaves the spare list
    EXPECT_EQ(FwState(24), kGood);
    EXPECT_EQ(FwState(23), kJbod);
    EXPECT_EQ(FwState(25), kGood);
    EXPECT_EQ(FwState(26), kGood);
    const Json saved = Saved();
    EXPECT_TRUE(saved["config"]["spares"].empty());
    EXPECT_EQ(saved["jbod_conversions"]["done"], 1);
}

TEST_F(DriveRulesTest, RefusedTransitionsChangeNothing)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "hot_spare"));
    c["config"]["spares"] = {{{"device_id", 26}}};
    Start(c);
    const std::string before = ReadText();
    const struct {
        int drive;
        std::uint32_t state;
        std::uint32_t status;
    } cases[] = {
        {20, kOnline, 50}, {20, kGood, 50},  {20, kJbod, 50},    {23, kOffline, 50}, {23, kOnline, 50},
        {23, kGood, 50},   {24, kJbod, 50},  {24, kOnline, 50},  {26, kJbod, 50},    {26, kOffline, 50},
        {25, kOnline, 50}, {20, 0x01, 3},    {23, 0x02, 3},      {23, 0x14, 3},
    };
    for (const auto& k : cases)
        EXPECT_EQ(SetState(k.drive, k.state), k.status) << "drive " << k.drive << " to 0x" << std::hex << k.state;
    EXPECT_EQ(Send(0x02030100, 99 | (1u << 16), kOnline).Fw(), 12u);
    EXPECT_EQ(Send(0x02030100, 252 | (0u << 16), kOnline).Fw(), 12u);  // an enclosure has no drive state
    EXPECT_EQ(Send(0x02030100, 23 | (7u << 16), kJbod).Fw(), 4u);
    EXPECT_EQ(ReadText(), before);
}

TEST_F(DriveRulesTest, ShieldedDrivesStayOutOfUse)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "hot_spare_shielded"));
    c["drives"].push_back(Drive(29, 9, "unconfigured_shielded"));
    c["drives"].push_back(Drive(30, 10, "shielded"));
    c["config"]["spares"] = {{{"device_id", 26}}};
    Start(c);
    EXPECT_EQ(FwState(26), 0x90u);
    EXPECT_EQ(FwState(29), 0x82u);
    EXPECT_EQ(FwState(30), 0x80u);
    for (int id : {26, 29, 30}) {
        for (std::uint32_t state : {kGood, kOnline, kOffline, kJbod})
            EXPECT_EQ(SetState(id, state), 50u) << "drive " << id << " to 0x" << std::hex << state;
    }
    // A shielded spare takes no row, and stays shielded when its spare entry goes.
    ASSERT_EQ(SetState(21, kOffline), 0u);
    EXPECT_EQ(Rows(0), Json({20, 21, 22}));
    EXPECT_EQ(FwState(26), 0x90u);
    ASSERT_EQ(Send(0x04030000, 1).Fw(), 0u);  // the configuration cleared
    EXPECT_EQ(FwState(26), 0x82u);
    EXPECT_EQ(Saved()["drives"][8]["state"], "unconfigured_shielded");
    EXPECT_EQ(Saved()["drives"][10]["state"], "shielded");
}

TEST_F(DriveRulesTest, SystemDriveConversionsStopAtTheLimit)
{
    Json c = Controller();
    c["drives"].push_back(Drive(26, 6, "jbod"));
    c["jbod_conversions"] = {{"done", 0}, {"limit", 1}};
    Start(c);
    EXPECT_EQ(SetState(25, kGood), 0u);
    const std::string before = ReadText();
    EXPECT_EQ(SetState(26, kGood), 95u);
    EXPECT_EQ(FwState(26), kJbod);
    EXPECT_EQ(ReadText(), before);

    // Without system drives enabled no drive becomes one.
    c["jbod_conversions"] = {{"done", 0}, {"limit", 0}};
    c["properties"]["jbod_enabled"] = false;
    Close();
    Start(c);
    EXPECT_EQ(SetState(23, kJbod), 50u);
}

TEST_F(DriveRulesTest, MarkMissingLeavesAnEmptyRowThatAReplacementFills)
{
    Json c = Controller();
    c["drives"].push_back(Drive(29, 9, "unconfigured_good"));
    c["drives"].back()["foreign"] = true;
    Start(c);
    EXPECT_EQ(Send(0x02080100, Ref(21)).Fw(), 0u);
    EXPECT_EQ(Rows(0), Json({20, nullptr, 22}));
    EXPECT_EQ(FwState(21), kGood);
    EXPECT_EQ(VdState(0), 2u);
    // The configuration shows the empty row as device id 0xFFFF (array record row 1).
    Request config = Dcmd(0x04010000, 2048);
    EXPECT_EQ(config.At(32 + 32 + 8, 2), 0xFFFFu);

    const std::string before = ReadText();
    const std::uint32_t arrayOneRow = 1u | (1u << 16);  // array reference 1, row 1
    EXPECT_EQ(Send(0x02080200, Ref(27), arrayOneRow).Fw(), 48u);        // too small
    EXPECT_EQ(Send(0x02080200, Ref(24), arrayOneRow).Fw(), 50u);        // not unconfigured good
    EXPECT_EQ(Send(0x02080200, Ref(29), arrayOneRow).Fw(), 30u);        // holds a foreign configuration
    EXPECT_EQ(Send(0x02080200, Ref(23), 1u | (0u << 16)).Fw(), 50u);    // row 0 is not missing
    EXPECT_EQ(Send(0x02080200, Ref(23), 1u | (3u << 16)).Fw(), 3u);     // no row 3
    EXPECT_EQ(Send(0x02080200, Ref(23), 9u | (1u << 16)).Fw(), 3u);     // no array 9
    EXPECT_EQ(Send(0x02080100, Ref(23)).Fw(), 50u);                     // not in a row
    EXPECT_EQ(ReadText(), before);

    EXPECT_EQ(Send(0x02080200, Ref(23), arrayOneRow).Fw(), 0u);
    EXPECT_EQ(Rows(0), Json({20, 23, 22}));
    EXPECT_EQ(FwState(23), kOffline);  // until it is rebuilt
    EXPECT_EQ(Send(0x02040100, Ref(23)).Fw(), 0u);
}

TEST_F(DriveRulesTest, RemovalSpinsAnIdleDriveDownAndLocateNeedsADevice)
{
    Start(Controller());
    EXPECT_EQ(Send(0x02090100, Ref(23)).Fw(), 0u);
    EXPECT_EQ(Record(23).At(358), 1u);
    EXPECT_EQ(FwState(23), kGood);
    EXPECT_EQ(Send(0x02090100, Ref(20)).Fw(), 50u);  // an array member
    EXPECT_EQ(Send(0x02090200, Ref(23)).Fw(), 0u);
    EXPECT_EQ(Record(23).At(358), 0u);

    EXPECT_EQ(Send(0x02070100, 20).Fw(), 0u);
    EXPECT_EQ(Send(0x02070200, 252).Fw(), 0u);
    EXPECT_EQ(Send(0x02070100, 99).Fw(), 12u);
}

}  // namespace
}  // namespace simtest
