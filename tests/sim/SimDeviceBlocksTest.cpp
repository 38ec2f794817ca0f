// The device blocks of the simulated controller (drive list, drive information records,
// drive progress and allowed operations, enclosure list, PHYs and connectors) and the
// controller properties, byte by byte at their named offsets, from a hand-written state.
#include "SimHarness.h"

namespace simtest {
namespace {

class SimDeviceBlocksTest : public SimTest {
protected:
    static Json Devices()
    {
        return Json{
            {"properties", {{"coercion_mode", "128mb"}}},
            {"enclosures",
             {{{"device_id", 30}, {"slots", 8}, {"power_supplies", 2}, {"fans", 4}, {"temperature_sensors", 3},
               {"alarms", 1}, {"sims", 2}, {"connector", 1}, {"fault", true}, {"type", "ses"}, {"position", 2},
               {"sas_address", "0x5000000000000AA0"},
               {"inquiry", {{"vendor", "ENCV"}, {"product", "Box Eight"}, {"revision", "1.0"}}}}}},
            {"drives",
             {{{"device_id", 41}, {"seq", 3}, {"enclosure", 30}, {"slot", 1}, {"state", "hot_spare"},
               {"interface", "sata"}, {"media", "ssd"}, {"blocks", 2000000}, {"sas_address", "0x5000000000000B01"},
               {"ports", {0}}, {"bridge", true}, {"spun_down", true}, {"reprovision_allowed", true}, {"foreign", true}},
              {{"device_id", 40}, {"seq", 9}, {"enclosure", 30}, {"slot", 0}, {"state", "online"},
               {"blocks", 10000000}, {"sas_addresses", {"0x5000000000000C01", "0x5000000000000C02"}},
               {"ports", {0, 3}}, {"device_speed", "12g"}, {"link_speed", "6g"}, {"serial", "SER-40"},
               {"inquiry", {{"vendor", "VEND"}, {"product", "Disk Forty"}, {"revision", "R1"}}},
               {"smart_alert", true}, {"temperature", 41}, {"media_errors", 5}, {"other_errors", 6},
               {"predictive_failures", 7}, {"last_predictive_failure_seq", 8}, {"pi_capable", true},
               {"pi_formatted", true}, {"security", {"fde_capable", "secured"}}, {"sector_size", 4096}},
              {{"device_id", 42}, {"enclosure", nullptr}, {"slot", 3}}}},
            {"config",
             {{"arrays", {{{"ref", 5}, {"drives", {40}}}}},
              {"virtual_drives", {{{"target_id", 0}, {"raid_level", 0}, {"arrays", {5}}}}},
              {"spares", {{{"device_id", 41}, {"arrays", {5}}, {"revertible", true}, {"enclosure_affinity", true}}}}}},
            {"connectors", {{{"location", "internal"}, {"name", "Int A"}}, {{"location", "external"}, {"name", "External Port 16"}}}},
            {"phys",
             {{{"sas_address", "0x5000000000000DDD"}, {"phy_id", 9}, {"device_type", "edge_expander"},
               {"protocols", {"smp_target", "ssp_target"}}, {"link_speed", "6g"}},
              {{"disabled", true}, {"link_speed", "1.5g"}}}},
            // A rebuild a quarter done, a patrol read suspended after 100 of its 1000 seconds.
            {"operations",
             {{{"kind", "rebuild"}, {"device_id", 40}, {"started", kNow - 300}, {"seconds", 1200}},
              {{"kind", "patrol_read"}, {"device_id", 41}, {"started", kNow - 500}, {"seconds", 1000},
               {"paused_seconds", 20}, {"suspended_at", kNow - 380}},
              {{"kind", "clear"}, {"device_id", 42}, {"started", kNow - 10}, {"seconds", 5}}}}};
    }

    void SetUp() override
    {
        SimTest::SetUp();
        Json state = State({Devices()});
        state["clock"] = {{"now", kNow}};
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }

    Request Record(std::uint16_t id) { return DcmdTo(0x02020000, 512, {static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8)}); }
};

TEST_F(SimDeviceBlocksTest, DriveListHoldsDrivesAndEnclosuresByDeviceId)
{
    Request head = Dcmd(0x02010000, 32);
    EXPECT_EQ(head.Fw(), 0u);
    EXPECT_EQ(head.Count(), 32u);  // cut at the caller's length
    EXPECT_EQ(head.At(0, 4), 8u + 4 * 24);
    EXPECT_EQ(head.At(4, 4), 4u);

    Request list = Dcmd(0x02010000, 8 + 4 * 24);
    EXPECT_EQ(list.Count(), 8u + 4 * 24);
    const std::uint64_t expected[][4] = {{30, 30, 0, 13}, {40, 30, 0, 0}, {41, 30, 1, 0}, {42, 0xFFFF, 3, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t e = 8 + 24 * i;
        EXPECT_EQ(list.At(e, 2), expected[i][0]) << i;
        EXPECT_EQ(list.At(e + 2, 2), expected[i][1]) << i;
        EXPECT_EQ(list.At(e + 5), expected[i][2]) << i;
        EXPECT_EQ(list.At(e + 6), expected[i][3]) << i;
    }
}

TEST_F(SimDeviceBlocksTest, DriveRecordFieldsAtTheirOffsets)
{
    Request r = Record(40);
    ASSERT_EQ(r.Fw(), 0u);
    ASSERT_EQ(r.Count(), 512u);
    const std::pair<std::size_t, std::uint64_t> u8s[] = {
        {4, 0},     {164, 0x09}, {165, 0},   {166, 4},   {167, 3},   {187, 41}, {188, 0x20}, {189, 0x20},
        {190, 3},   {192, 2},    {194, 1},   {258, 0},   {259, 0},   {260, 1},  {358, 0},    {362, 0x10},
        {368, 0x05}, {370, 0},   {400, 0},
    };
    for (const auto& [offset, value] : u8s)
        EXPECT_EQ(r.At(offset), value) << "byte " << offset;
    EXPECT_EQ(r.At(0, 2), 40u);
    EXPECT_EQ(r.At(2, 2), 9u);
    EXPECT_EQ(r.Text(4 + 8, 8), "VEND    ");
    EXPECT_EQ(r.Text(4 + 16, 16), "Disk Forty      ");
    EXPECT_EQ(r.Text(4 + 32, 4), "R1  ");
    EXPECT_EQ(r.Text(4 + 36, 20), "SER-40");
    EXPECT_EQ(r.At(168, 4), 5u);
    EXPECT_EQ(r.At(172, 4), 6u);
    EXPECT_EQ(r.At(176, 4), 7u);
    EXPECT_EQ(r.At(180, 4), 8u);
    EXPECT_EQ(r.At(184, 2), 0x18u);
    EXPECT_EQ(r.At(200, 8), 0x5000000000000C01u);
    EXPECT_EQ(r.At(208, 8), 0x5000000000000C02u);
    EXPECT_EQ(r.At(216, 8), 0u);
    // Raw, less the reserved 1 MiB, rounded down to 128 MB.
    EXPECT_EQ(r.At(232, 8), 10000000u);
    EXPECT_EQ(r.At(240, 8), 10000000u - 2048);
    EXPECT_EQ(r.At(248, 8), 38u * 262144);
    EXPECT_EQ(r.At(256, 2), 30u);
    EXPECT_EQ(r.At(264, 2), 65535u / 4);  // rebuild: 300 of 1200 seconds
    EXPECT_EQ(r.At(266, 2), 300u);
    EXPECT_EQ(r.At(372, 2), 4096u);

    // A SATA SSD that is a dedicated, revertible spare with enclosure affinity.
    Request ssd = Record(41);
    EXPECT_EQ(ssd.At(188), 0x1Bu);  // dedicated, revertible, affinity, foreign
    EXPECT_EQ(ssd.At(189), 0x30u);
    EXPECT_EQ(ssd.At(184, 2), 0x02u);
    EXPECT_EQ(ssd.At(192), 1u);
    EXPECT_EQ(ssd.At(200, 8), 0x5000000000000B01u);
    EXPECT_EQ(ssd.At(358), 1u);
    EXPECT_EQ(ssd.At(362), 0x02u);  // reprovision
    EXPECT_EQ(ssd.At(370), 1u);
    EXPECT_EQ(ssd.At(400), 1u);
    EXPECT_EQ(ssd.At(260), 2u);  // patrol read, suspended
    EXPECT_EQ(ssd.At(270, 2), 100u);

    // A drive without enclosure; its clear has run its time and is over.
    Request direct = Record(42);
    EXPECT_EQ(direct.At(256, 2), 0xFFFFu);
    EXPECT_EQ(direct.At(258), 0xFFu);
    EXPECT_EQ(direct.At(259), 3u);
    EXPECT_EQ(direct.At(194), 0xFFu);
    EXPECT_EQ(direct.At(260), 0u);
}

TEST_F(SimDeviceBlocksTest, EnclosureDeviceHasARecordOfItsOwn)
{
    Request e = Record(30);
    ASSERT_EQ(e.Fw(), 0u);
    EXPECT_EQ(e.At(0, 2), 30u);
    EXPECT_EQ(e.At(4), 13u);
    EXPECT_EQ(e.At(165), 13u);
    EXPECT_EQ(e.Text(4 + 8, 8), "ENCV    ");
    EXPECT_EQ(e.Text(4 + 16, 16), "Box Eight       ");
    EXPECT_EQ(e.Text(4 + 32, 4), "1.0 ");
    EXPECT_EQ(e.At(256, 2), 30u);
    EXPECT_EQ(e.At(258), 0u);
    EXPECT_EQ(e.At(194), 1u);
    EXPECT_EQ(e.At(192), 1u);
    EXPECT_EQ(e.At(200, 8), 0x5000000000000AA0u);

    for (std::uint32_t opcode : {0x02020000u, 0x02060000u, 0x020A0000u}) {
        Request missing = DcmdTo(opcode, 512, {99, 0});
        EXPECT_EQ(missing.Fw(), 12u) << std::hex << opcode;
        EXPECT_EQ(missing.Count(), 0u);
    }
    // The device id is all of mailbox bytes 0-1.
    EXPECT_EQ(DcmdTo(0x02020000, 512, {40, 1}).Fw(), 12u);
}

TEST_F(SimDeviceBlocksTest, DriveProgressAndAllowedOperations)
{
    Request rebuild = DcmdTo(0x02060000, 32, {40, 0});
    EXPECT_EQ(rebuild.Count(), 32u);
    EXPECT_EQ(rebuild.At(0), 0x01u);
    EXPECT_EQ(rebuild.At(4, 2), 65535u / 4);
    EXPECT_EQ(rebuild.At(6, 2), 300u);
    EXPECT_EQ(rebuild.At(16), 0u);

    Request patrol = DcmdTo(0x02060000, 32, {41, 0});
    EXPECT_EQ(patrol.At(0), 0x02u);
    EXPECT_EQ(patrol.At(8, 2), 100u * 65535 / 1000);
    EXPECT_EQ(patrol.At(10, 2), 100u);
    EXPECT_EQ(patrol.At(16), 0x02u);

    EXPECT_EQ(DcmdTo(0x02060000, 32, {42, 0}).Slice(0, 32), Bytes(32, 0));  // the clear is over
    EXPECT_EQ(DcmdTo(0x020A0000, 4, {42, 0}).At(0, 4), 1u << 16);   // firmware download
    EXPECT_EQ(DcmdTo(0x020A0000, 4, {30, 0}).At(0, 4), 0u);        // an enclosure allows none
}

TEST_F(SimDeviceBlocksTest, EnclosureListPhysAndConnectors)
{
    Request list = Dcmd(0x09010000, 4616);
    EXPECT_EQ(list.Count(), 4616u);
    EXPECT_EQ(list.At(0, 4), 1u);
    const std::pair<std::size_t, std::uint64_t> entry[] = {{3, 8}, {4, 2},  {5, 4},  {6, 3},  {7, 1},
                                                           {8, 2}, {9, 1},  {10, 2}, {12, 2}, {13, 1}, {15, 2}};
    EXPECT_EQ(list.At(8, 2), 30u);
    for (const auto& [offset, value] : entry)
        EXPECT_EQ(list.At(8 + offset), value) << "entry byte " << offset;

    Request phys = Dcmd(0x07010000, 264);
    EXPECT_EQ(phys.Count(), 264u);
    EXPECT_EQ(phys.At(0, 4), 2u);
    EXPECT_EQ(phys.At(8, 8), 0x5000000000000DDDu);
    EXPECT_EQ(phys.At(8 + 8), 9u);
    EXPECT_EQ(phys.At(8 + 11), 0u);
    EXPECT_EQ(phys.At(8 + 12), 0x82u);  // edge expander, SMP target
    EXPECT_EQ(phys.At(8 + 13), 0x02u);  // SSP target
    EXPECT_EQ(phys.At(8 + 14) >> 2, 4u);
    EXPECT_EQ(phys.At(24 + 11), 255u);
    EXPECT_EQ(phys.At(24 + 14) >> 2, 1u);

    Request connectors = Dcmd(0x07030000, 168);
    EXPECT_EQ(connectors.Count(), 168u);
    EXPECT_EQ(connectors.At(0), 2u);
    EXPECT_EQ(connectors.At(8), 2u);
    EXPECT_EQ(connectors.Text(12, 16), "Int A");
    EXPECT_EQ(connectors.At(28), 3u);
    EXPECT_EQ(connectors.Text(32, 16), "External Port 16");  // fills its field
    EXPECT_EQ(connectors.At(48), 0u);
}

TEST_F(SimDeviceBlocksTest, PatchesNameOneDriveRecordByDeviceId)
{
    Close();
    Json state = ReadState();
    state["patches"] = {{{"opcode", "0x02020000"}, {"device_id", 41}, {"offset", 187}, {"hex", "63"}}};
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Record(41).At(187), 0x63u);
    EXPECT_EQ(Record(40).At(187), 41u);
}

TEST_F(SimDeviceBlocksTest, ControllerPropertiesAreTheCurrentSettings)
{
    Close();
    WriteState(State({Json{{"properties",
                            {{"predictive_fail_poll_s", 300}, {"rebuild_rate", 30}, {"coercion_mode", "1gb"},
                             {"auto_rebuild", true}, {"battery_warning", false}, {"abort_cc_on_error", true},
                             {"load_balance", true}, {"backplane_detect", "sgpio"}, {"disable_ncq", true},
                             {"jbod_enabled", true}, {"enable_pi", true}, {"force_sgpio", true},
                             {"default_snapshot_space", 40}, {"spin_down_time", 90}, {"disable_ld_ps_time_min", 600},
                             {"perf_mode", 1}, {"perf_mode1_order_ios", 4}, {"max_spinup_per_minute", 6}}}}}));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request p = Dcmd(0x01020100, 64);
    ASSERT_EQ(p.Count(), 64u);
    const std::pair<std::size_t, std::uint64_t> bytes[] = {
        {8, 30}, {17, 2}, {19, 0}, {20, 1}, {27, 1}, {28, 1}, {29, 0}, {30, 2},
        {31, 40}, {32, 0x10}, {33, 0x20}, {34, 0x21}, {47, 1}, {51, 4},
    };
    for (const auto& [offset, value] : bytes)
        EXPECT_EQ(p.At(offset), value) << "byte " << offset;
    EXPECT_EQ(p.At(2, 2), 300u);
    EXPECT_EQ(p.At(38, 2), 90u);
    EXPECT_EQ(p.At(42, 2), 600u);

    // The controller information carries the same 64 bytes.
    Request info = Dcmd(0x01010000, 2048);
    EXPECT_EQ(info.Slice(1536, 64), p.Slice(0, 64));
    EXPECT_EQ(info.At(1992), 6u);

    // A write changes the settings; both blocks follow.
    Bytes block = p.Slice(0, 64);
    block[8] = 77;
    block[19] = 1;  // automatic rebuild off
    block[52] = 0xEE;  // reserved: ignored
    EXPECT_EQ(Write(0x01020200, block).Fw(), 0u);
    EXPECT_EQ(Dcmd(0x01020100, 64).At(8), 77u);
    EXPECT_EQ(Dcmd(0x01020100, 64).At(52), 0u);
    EXPECT_EQ(Dcmd(0x01010000, 2048).At(1536 + 8), 77u);
    const Json saved = ReadState()["controllers"][0]["properties"];
    EXPECT_EQ(saved["rebuild_rate"], 77);
    EXPECT_EQ(saved["auto_rebuild"], false);
    EXPECT_EQ(saved["max_spinup_per_minute"], 6);  // not in the block, kept

    // Values the controller does not define are refused and change nothing.
    const std::string before = ReadText();
    for (const auto& [offset, value] : {std::pair<std::size_t, std::uint8_t>{8, 101}, {17, 3}, {30, 4}, {31, 101}}) {
        Bytes bad = block;
        bad[offset] = value;
        EXPECT_EQ(Write(0x01020200, bad).Fw(), 3u) << "byte " << offset;
    }
    EXPECT_EQ(Write(0x01020200, Bytes(63, 0)).Fw(), 3u);
    EXPECT_EQ(ReadText(), before);
}

}  // namespace
}  // namespace simtest
