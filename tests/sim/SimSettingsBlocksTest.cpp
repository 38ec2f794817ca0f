// The controller's kept settings blocks (patrol-read properties, consistency-check schedule,
// BIOS data, connector modes) and the small requests beside them (alarm, battery status, drive
// performance monitor): each block at its offsets, written back whole, and refused whole when
// it holds what the controller does not define.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

class SimSettingsBlocksTest : public DriveRulesTest {
protected:
    Json Controller()
    {
        return Json{
            {"info", {{"hardware_present", {"alarm"}}}},
            {"properties", {{"ssd_patrol_read", false}, {"alarm_enable", true}}},
            {"enclosures", {{{"device_id", 252}, {"slots", 8}}}},
            {"drives",
             {{{"device_id", 10}, {"enclosure", 252}, {"slot", 0}, {"state", "online"}, {"blocks", 4096000}},
              {{"device_id", 11}, {"enclosure", 252}, {"slot", 1}, {"state", "jbod"}, {"blocks", 4096000}},
              {{"device_id", 12}, {"enclosure", 252}, {"slot", 2}, {"state", "unconfigured_good"}, {"blocks", 4096000}}}},
            {"config",
             {{"arrays", {{{"ref", 1}, {"drives", {10}}}}},
              {"virtual_drives", {{{"target_id", 0}, {"raid_level", 0}, {"arrays", {1}}, {"blocks", 2048}},
                                  {{"target_id", 3}, {"raid_level", 0}, {"arrays", {1}}, {"blocks", 2048}}}}}},
            {"connectors", {{{"name", "A"}, {"mode", "internal"}}, {{"name", "B"}, {"mode", "fixed"}}}},
            {"battery", {{"present", true}, {"type", 2}, {"qualifier", 1}, {"conditions", {"voltage_low", "replace_pack"}}}},
            {"bios", {{"boot_device", 0}, {"bypass_errors", true}}}};
    }
    static Bytes Copy(const Request& r, std::size_t size) { return r.Slice(0, size); }
};

TEST_F(SimSettingsBlocksTest, PatrolReadPropertiesAreWrittenWholeAndRefusedWhole)
{
    Start(Controller());
    Bytes block(208, 0);
    block[0] = 1;     // manual
    block[1] = 3;     // three drives at a time
    block[100] = 0xAA;  // reserved: not kept
    PutLe(block.data() + 196, 4, 0x12345678);
    PutLe(block.data() + 200, 4, 7200);
    EXPECT_EQ(Write(0x01070300, block).Fw(), 0u);
    Request read = Dcmd(0x01070200, 208);
    EXPECT_EQ(read.At(0), 1u);
    EXPECT_EQ(read.At(1), 3u);
    EXPECT_EQ(read.At(100), 0u);
    EXPECT_EQ(read.At(196, 4), 0x12345678u);
    EXPECT_EQ(read.At(200, 4), 7200u);
    Close();
    const Json pr = Saved()["patrol_read"];
    EXPECT_EQ(pr["mode"], "manual");
    EXPECT_EQ(pr["max_concurrent"], 3);
    EXPECT_EQ(pr["next_start"], 0x12345678);
    EXPECT_EQ(pr["delay_s"], 7200);
    EXPECT_EQ(EventCodes(), std::vector<std::string>{"0x00000050"});

    // A mode above 2, or solid state drives while the properties do not allow them: nothing changes.
    const std::string before = ReadText();
    ASSERT_EQ(Init(), lp::kLibOk);
    block[0] = 3;
    EXPECT_EQ(Write(0x01070300, block).Fw(), 3u);
    block[0] = 0;
    block[2] = 1;
    EXPECT_EQ(Write(0x01070300, block).Fw(), 3u);
    EXPECT_EQ(Write(0x01070300, Bytes(207, 0)).Fw(), 3u);
    Close();
    EXPECT_EQ(ReadText(), before);
}

TEST_F(SimSettingsBlocksTest, ConsistencyCheckScheduleKeepsItsExclusionsAndChecksThem)
{
    Start(Controller());
    Bytes block(168, 0);
    block[0] = 2;
    block[3] = 2;
    PutLe(block.data() + 4, 2, 3);
    PutLe(block.data() + 6, 2, 0);
    PutLe(block.data() + 152, 4, 394452000);
    PutLe(block.data() + 156, 4, 0xFFFFFFFF);
    EXPECT_EQ(Write(0x01140300, block).Fw(), 0u);
    Request read = Dcmd(0x01140200, 168);
    EXPECT_EQ(read.Slice(0, 8), (Bytes{2, 0, 0, 2, 3, 0, 0, 0}));
    EXPECT_EQ(read.At(152, 4), 394452000u);
    EXPECT_EQ(read.At(156, 4), 0xFFFFFFFFu);
    Request status = Dcmd(0x01140100, 16);
    EXPECT_EQ(status.At(4), 1u);  // ready

    // An unknown drive (12), a drive named twice or more ids than the block holds (3).
    PutLe(block.data() + 6, 2, 7);
    EXPECT_EQ(Write(0x01140300, block).Fw(), 12u);
    PutLe(block.data() + 6, 2, 3);
    EXPECT_EQ(Write(0x01140300, block).Fw(), 3u);
    block[3] = 75;
    EXPECT_EQ(Write(0x01140300, block).Fw(), 3u);
    Close();
    EXPECT_EQ(Saved()["cc_schedule"]["excluded"], Json({3, 0}));

    // Deleting an excluded virtual drive takes it off the list.
    ASSERT_EQ(Init(), lp::kLibOk);
    Request del(lp::kFnDcmd, 0, 0, lp::kDirNone);
    del.Mailbox(0, 3).Opcode(0x03090000).Send();
    ASSERT_EQ(del.Fw(), 0u);
    Close();
    EXPECT_EQ(Saved()["cc_schedule"]["excluded"], Json::array({0}));
}

TEST_F(SimSettingsBlocksTest, ControllerWithoutAScheduleAnswersNotSupported)
{
    Json c = Controller();
    c["cc_schedule"] = {{"unsupported", true}};
    Start(c);
    EXPECT_EQ(Dcmd(0x01140100, 16).Fw(), 2u);
    EXPECT_EQ(Dcmd(0x01140200, 168).Fw(), 2u);
    EXPECT_EQ(Write(0x01140300, Bytes(168, 0)).Fw(), 2u);
}

TEST_F(SimSettingsBlocksTest, BiosDataSumsToZeroAndItsBootDeviceMustExist)
{
    Start(Controller());
    Request read = Dcmd(0x010C0100, 64);
    unsigned sum = 0;
    for (std::size_t i = 0; i < 64; ++i)
        sum += static_cast<unsigned>(read.At(i));
    EXPECT_EQ(sum % 256, 0u);
    EXPECT_EQ(read.At(0, 2), 0u);
    EXPECT_EQ(read.At(3), 1u);

    const auto withChecksum = [](Bytes b) {
        unsigned s = 0;
        for (std::size_t i = 0; i < 63; ++i)
            s += b[i];
        b[63] = static_cast<std::uint8_t>(0x100 - s % 256);
        return b;
    };
    Bytes block = Copy(read, 64);
    block[2] = 1;  // disabled
    Bytes bad = block;
    EXPECT_EQ(Write(0x010C0200, bad).Fw(), 3u);  // the old checksum no longer fits
    block[0] = 11;  // drive 11, a system drive
    block[8] = 1;
    EXPECT_EQ(Write(0x010C0200, withChecksum(block)).Fw(), 0u);
    block[0] = 12;  // unconfigured good: not one the host boots from
    EXPECT_EQ(Write(0x010C0200, withChecksum(block)).Fw(), 50u);
    block[0] = 5;  // virtual drive 5 does not exist
    block[8] = 0;
    EXPECT_EQ(Write(0x010C0200, withChecksum(block)).Fw(), 12u);
    Close();
    const Json bios = Saved()["bios"];
    EXPECT_EQ(bios["boot_device"], 11);
    EXPECT_EQ(bios["boot_is_drive"], true);
    EXPECT_EQ(bios["disabled"], true);
    EXPECT_EQ(EventCodes(), (std::vector<std::string>{"0x00000045", "0x00000044"}));
}

TEST_F(SimSettingsBlocksTest, ConnectorModesKeepFixedConnectorsFixed)
{
    Json c = Controller();
    for (int i = 0; i < 4; ++i)
        c["connectors"].push_back({{"name", "X"}, {"mode", "auto"}});
    Start(c);
    Request read = Dcmd(0x07020100, 5);
    EXPECT_EQ(read.Slice(0, 5), (Bytes{6, 1, 0, 3, 3}));
    EXPECT_EQ(Write(0x07020200, Bytes{6, 2, 0, 3, 1}).Fw(), 0u);
    EXPECT_EQ(Write(0x07020200, Bytes{6, 2, 1, 3, 1}).Fw(), 3u);  // connector 1 is fixed
    EXPECT_EQ(Write(0x07020200, Bytes{6, 0, 0, 3, 1}).Fw(), 3u);  // connector 0 needs a mode
    EXPECT_EQ(Write(0x07020200, Bytes{4, 2, 0, 3, 1}).Fw(), 3u);  // not the controller's count
    Close();
    const Json saved = Saved();
    EXPECT_EQ(saved["connectors"][0]["mode"], "external");
    EXPECT_EQ(saved["connectors"][3]["mode"], "internal");
    EXPECT_EQ(saved["connectors"][4]["mode"], "auto");
}

TEST_F(SimSettingsBlocksTest, PropertiesTurnOnOnlyTheFeaturesTheControllerHas)
{
    Json c = Controller();
    c["properties"]["spin_down_time"] = 60;  // kept although the controller cannot spin drives down
    Start(c);
    Bytes block = Dcmd(0x01020100, 64).Slice(0, 64);
    block[8] = 55;  // rebuild rate
    EXPECT_EQ(Write(0x01020200, block).Fw(), 0u);
    Bytes pi = block;
    pi[34] |= 0x01;
    EXPECT_EQ(Write(0x01020200, pi).Fw(), 3u);
    Bytes spinDown = block;
    spinDown[38] = 90;
    EXPECT_EQ(Write(0x01020200, spinDown).Fw(), 3u);
    Close();
    const Json saved = Saved();
    EXPECT_EQ(saved["properties"]["rebuild_rate"], 55);
    EXPECT_EQ(saved["properties"]["enable_pi"], false);
    EXPECT_EQ(saved["properties"]["spin_down_time"], 60);
    EXPECT_EQ(EventCodes(), std::vector<std::string>{"0x00000040"});
}

TEST_F(SimSettingsBlocksTest, AlarmFollowsThePropertiesAndNeedsItsHardware)
{
    Start(Controller());
    EXPECT_EQ(Dcmd(0x01030100, 4).At(0), 1u);
    EXPECT_EQ(Send(0x01030300, 0).Fw(), 0u);
    EXPECT_EQ(Dcmd(0x01030100, 4).At(0), 0u);
    EXPECT_EQ(Dcmd(0x01020100, 64).At(18), 0u);
    EXPECT_EQ(Send(0x01030400, 0).Fw(), 0u);
    Close();
    EXPECT_EQ(EventCodes(), (std::vector<std::string>{"0x00000042", "0x00000043"}));

    Json c = Controller();
    c["info"]["hardware_present"] = Json::array();
    Start(c);
    EXPECT_EQ(Dcmd(0x01030100, 4).Fw(), 34u);
    for (std::uint32_t op : {0x01030200u, 0x01030300u, 0x01030400u})
        EXPECT_EQ(Send(op, 0).Fw(), 34u);
}

TEST_F(SimSettingsBlocksTest, BatteryStatusAndPerformanceMonitor)
{
    Start(Controller());
    Request battery = Dcmd(0x05010000, 64);
    EXPECT_EQ(battery.At(0), 2u);
    EXPECT_EQ(battery.At(1), 1u);
    EXPECT_EQ(battery.At(8, 4), (1u << 1) | (1u << 10));

    EXPECT_EQ(Send(0x0A030000, 1).Fw(), 0u);
    EXPECT_EQ(Dcmd(0x0A010000, 16).At(0), 1u);
    EXPECT_EQ(Send(0x0A030000, 2, 0x06).Fw(), 0u);
    EXPECT_EQ(Send(0x0A030000, 2, 0x01).Fw(), 3u);
    EXPECT_EQ(Send(0x0A030000, 3).Fw(), 3u);
    Close();
    EXPECT_EQ(EventCodes(), (std::vector<std::string>{"0x00000047", "0x00000049"}));

    Json c = Controller();
    c["battery"] = {{"present", false}, {"type", 3}};
    Start(c);
    Request none = Dcmd(0x05010000, 64);
    EXPECT_EQ(none.Fw(), 0u);
    EXPECT_EQ(none.Slice(0, 64), Bytes(64, 0));
}

}  // namespace
}  // namespace simtest
