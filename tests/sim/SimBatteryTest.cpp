// The simulated battery backup unit (its blocks, the learn cycle on the controller clock, the
// properties write, modes and gas gauge memory), the terminal log and the drives' defect lists.
#include "SimHarness.h"

namespace simtest {
namespace {

constexpr std::uint32_t kBbuStatus = 0x05010000;
constexpr std::uint32_t kCapacity = 0x05020000;
constexpr std::uint32_t kDesign = 0x05030000;
constexpr std::uint32_t kLearn = 0x05040000;
constexpr std::uint32_t kGetProps = 0x05050100;
constexpr std::uint32_t kSetProps = 0x05050200;
constexpr std::uint32_t kModes = 0x05070100;
constexpr std::uint32_t kFru = 0x010E0302;
constexpr std::uint32_t kSeconds = 0x01080201;
Json Pack()
{
    return Json{{"present", true},       {"type", 3},           {"device_name", "QBU-300"}, {"voltage_mv", 4058},
                {"current_ma", -12},     {"temperature", 29},   {"charge", 90},             {"charge_time_hours", 49},
                {"full_capacity", 1000}, {"design_capacity", 1250}, {"design_voltage_mv", 3700},
                {"cycle_count", 14},     {"max_error", 2},      {"capacity_alarm_mah", 120}, {"time_alarm_minutes", 10},
                {"manufactured", "2012-02-29"}, {"serial", 4127}, {"specification_info", 0x31}, {"pack_stat", 0x0A1C},
                {"manufacturer", "QRV Power"}, {"chemistry", "LION"}, {"module_version", "2.4.1"},
                {"module_fru", "QBM300B"}, {"app_data", 7}, {"conditions", {"i2c_errors", "microcode_update_required"}},
                {"learn", {{"period_s", 2419200}, {"next", kNow + 3600}, {"seconds", 7200}}}};
}

class SimBatteryTest : public SimTest {
protected:
    void Start(Json battery, std::uint64_t now = kNow, Json controller = Json::object())
    {
        controller["pci"] = Pci(1, 3);
        controller["battery"] = std::move(battery);
        controller["battery_fru"] = "QBU300A";
        Json state = State({controller});
        state["clock"] = {{"now", now}};
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }
    // Ends the run, moves the clock to `now` and starts the next run.
    void NextRun(std::uint64_t now)
    {
        Close();
        Json state = ReadState();
        state["clock"]["now"] = now;
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }
    Json Saved()
    {
        Close();
        return ReadState()["controllers"][0];
    }
    Request Control(std::uint32_t opcode)
    {
        Request r(lp::kFnDcmd, 0);
        r.Opcode(opcode).Send();
        return r;
    }
    static std::vector<std::string> EventTexts(const Json& controller)
    {
        std::vector<std::string> texts;
        if (!controller.contains("events"))
            return texts;  // never saved: nothing was logged
        for (const Json& record : controller["events"]["records"])
            texts.push_back(record["description"]);
        return texts;
    }
};

TEST_F(SimBatteryTest, StatusDesignCapacityAndFruCarryThePack)
{
    Start(Pack());
    Request status = Dcmd(kBbuStatus, 64);
    ASSERT_EQ(status.Fw(), 0u);
    EXPECT_EQ(status.At(0), 3u);
    EXPECT_EQ(status.At(2, 2), 4058u);
    EXPECT_EQ(status.At(4, 2), 0xFFF4u);  // -12 mA
    EXPECT_EQ(status.At(6, 2), 29u);
    EXPECT_EQ(status.At(8, 4), (1u << 9) | (1u << 17));
    EXPECT_EQ(status.At(34, 2), 90u);  // relative charge
    EXPECT_EQ(status.At(42, 2), 72u);  // 900 of the designed 1250 mAh
    EXPECT_EQ(status.At(44, 2), 2u);
    EXPECT_EQ(status.At(32, 2) & 0xF0u, 0x80u);  // initialized, neither full nor empty nor discharging
    EXPECT_EQ(status.At(46), 49u);

    Request design = Dcmd(kDesign, 64);
    EXPECT_EQ(design.At(0, 4), (2012u << 9) | (2u << 5) | 29u);
    EXPECT_EQ(design.At(4, 2), 1250u);
    EXPECT_EQ(design.At(10, 2), 4127u);
    EXPECT_EQ(design.At(12, 2), 0x0A1Cu);
    EXPECT_EQ(design.Text(14, 12), "QRV Power");
    EXPECT_EQ(design.Text(26, 8), "QBU-300");
    EXPECT_EQ(design.Text(34, 5), "LION");
    EXPECT_EQ(design.Text(49, 8), "2.4.1");
    EXPECT_EQ(design.At(57), 7u);

    Request capacity = Dcmd(kCapacity, 48);
    EXPECT_EQ(capacity.At(0, 2), 90u);
    EXPECT_EQ(capacity.At(4, 2), 900u);
    EXPECT_EQ(capacity.At(6, 2), 1000u);
    EXPECT_EQ(capacity.At(8, 2), 0xFFFFu);   // not discharging
    EXPECT_EQ(capacity.At(12, 2), 0xFFFFu);  // not charging
    EXPECT_EQ(capacity.At(14, 2), 14u);
    EXPECT_EQ(capacity.At(18, 2), 120u);
    EXPECT_EQ(capacity.At(20, 2), 10u);

    Request fru = Dcmd(kFru, 32);
    EXPECT_EQ(fru.Text(0, 8), "QBU300A");
    EXPECT_EQ(fru.Text(8, 8), "QBM300B");
    EXPECT_EQ(Dcmd(kSeconds, 4).At(0, 4), kNow);
}

TEST_F(SimBatteryTest, DetailAreaFollowsTheModuleType)
{
    Json two = Pack();
    two["type"] = 2;
    two["conditions"] = {"replace_pack"};
    Start(two);
    Request status = Dcmd(kBbuStatus, 64);
    EXPECT_EQ(status.At(36, 2), 0u);     // charger off
    EXPECT_EQ(status.At(38, 2), 900u);   // remaining
    EXPECT_EQ(status.At(40, 2), 1000u);  // full
    EXPECT_EQ(status.At(42), 0u);        // health not good
    Close();

    Json six = Pack();
    six["type"] = 6;
    six["full_capacity"] = 400;  // joules
    six["design_capacity"] = 500;
    Start(six);
    status = Dcmd(kBbuStatus, 64);
    EXPECT_EQ(status.At(32) + 256 * status.At(35), 360u);
    EXPECT_EQ(status.At(33), 80u);
    EXPECT_EQ(status.At(34), 90u);
}

TEST_F(SimBatteryTest, WithoutABatteryBlocksAreEmptyAndRequestsRefused)
{
    Start(Json{{"present", false}});
    EXPECT_EQ(Dcmd(kBbuStatus, 64).At(0, 8), 0u);
    EXPECT_EQ(Dcmd(kDesign, 64).Fw(), 0u);
    for (std::uint32_t op : {kCapacity, kGetProps, kModes})
        EXPECT_EQ(Dcmd(op, 48).Fw(), 34u) << std::hex << op;
    EXPECT_EQ(Control(kLearn).Fw(), 34u);
    Json missing = Pack();
    missing["conditions"] = {"pack_missing"};
    Close();
    Start(missing);
    EXPECT_EQ(Control(kLearn).Fw(), 34u);
    EXPECT_TRUE(EventTexts(Saved()).empty());
}

TEST_F(SimBatteryTest, LearnCycleDischargesRechargesAndCompletesOnTheClock)
{
    Start(Pack());
    ASSERT_EQ(Control(kLearn).Fw(), 0u);
    EXPECT_EQ(Control(kLearn).Fw(), 36u);  // one runs already

    NextRun(kNow + 1800);  // a quarter: discharging from 90 % towards 20 %
    Request status = Dcmd(kBbuStatus, 64);
    EXPECT_EQ(status.At(8, 4) & 0x58u, 0x50u);  // learn active, discharging, not charging
    EXPECT_EQ(status.At(34, 2), 55u);
    EXPECT_EQ(status.At(6, 2), 32u);  // warmer while cycled
    EXPECT_LT(static_cast<std::int16_t>(status.At(4, 2)), 0);
    EXPECT_NE(Dcmd(kCapacity, 48).At(8, 2), 0xFFFFu);

    NextRun(kNow + 5400);  // three quarters: recharging
    status = Dcmd(kBbuStatus, 64);
    EXPECT_EQ(status.At(8, 4) & 0x58u, 0x48u);
    EXPECT_EQ(status.At(34, 2), 60u);
    EXPECT_NE(Dcmd(kCapacity, 48).At(12, 2), 0xFFFFu);

    NextRun(kNow + 7300);  // done at kNow + 7200
    status = Dcmd(kBbuStatus, 64);
    EXPECT_EQ(status.At(8, 4) & 0x58u, 0u);
    EXPECT_EQ(status.At(34, 2), 100u);
    const Json saved = Saved();
    EXPECT_EQ(saved["battery"]["cycle_count"], 15);
    EXPECT_EQ(saved["battery"]["learn"]["next"], kNow + 7200 + 2419200);
    EXPECT_TRUE(saved["battery"]["learn"]["started"].is_null());
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Battery relearn started", "Battery relearn completed"}));
    EXPECT_EQ(saved["events"]["records"][1]["time"], kNow + 7200);
}

TEST_F(SimBatteryTest, AutomaticLearnStartsWhenDueOrOnlyWarns)
{
    Start(Pack());
    NextRun(kNow + 3600 + 7200 + 10);  // due at +3600, ran two hours
    Json saved = Saved();
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Battery relearn started", "Battery relearn completed"}));
    EXPECT_EQ(saved["events"]["records"][0]["time"], kNow + 3600);

    Json warn = Pack();
    warn["learn"]["auto_mode"] = "warn";
    Start(warn);
    NextRun(kNow + 4000);
    EXPECT_NE(Dcmd(kBbuStatus, 64).At(8, 4) & (1u << 12), 0u);  // periodic learn required
    saved = Saved();
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Battery relearn required"}));
    EXPECT_EQ(saved["battery"]["learn"]["next"], kNow + 3600 + 2419200);
}

TEST_F(SimBatteryTest, PropertiesWriteKeepsOnlyWhatTheFirmwareAccepts)
{
    Json pack = Pack();
    pack["transparent_learn"] = true;
    Start(pack);
    Request props = Dcmd(kGetProps, 32);
    ASSERT_EQ(props.Fw(), 0u);
    EXPECT_EQ(props.At(0, 4), 2419200u);
    EXPECT_EQ(props.At(4, 4), kNow + 3600);
    const Bytes block = props.Slice(0, 32);
    const auto with = [&](std::size_t offset, std::uint8_t value) {
        Bytes b = block;
        b[offset] = value;
        return b;
    };
    EXPECT_EQ(Write(kSetProps, with(9, 3)).Fw(), 3u);   // no such auto learn mode
    EXPECT_EQ(Write(kSetProps, with(9, 2)).Fw(), 3u);   // warnings only without transparent learning
    EXPECT_EQ(Write(kSetProps, with(10, 1)).Fw(), 2u);  // a type 3 module has no modes
    EXPECT_EQ(Write(kSetProps, Bytes(32, 0)).Fw(), 3u); // a period of 0
    EXPECT_EQ(Write(kSetProps, Bytes(31, 0)).Fw(), 3u);
    EXPECT_TRUE(EventTexts(ReadState()["controllers"][0]).empty());

    Bytes off = with(9, 1);
    off[8] = 6;
    ASSERT_EQ(Write(kSetProps, off).Fw(), 0u);
    EXPECT_EQ(Dcmd(kGetProps, 32).At(4, 4), 0u);  // no next learn while disabled
    const Json saved = Saved();
    EXPECT_EQ(saved["battery"]["learn"]["auto_mode"], "off");
    EXPECT_EQ(saved["battery"]["learn"]["delay_hours"], 6);
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Battery properties changed"}));
}

TEST_F(SimBatteryTest, ModesAndGasGaugeMemory)
{
    Json pack = Pack();
    pack["type"] = 5;
    pack["modes_supported"] = true;
    pack["modes"] = Json::array({Json{{"id", 1}, {"retention_hours", 48}, {"service_life_years", 3}, {"temperature", 45}},
                                 Json{{"id", 4}, {"retention_hours", 24}, {"service_life_years", 5}, {"temperature", 55},
                                      {"transparent_learn", true}}});
    pack["gas_gauge"] = {1, 2, 3, 0x34, 0x12};
    Start(pack);
    Request modes = Dcmd(kModes, 20);
    EXPECT_EQ(modes.At(0, 4), 2u);
    EXPECT_EQ(modes.Slice(12, 5), (Bytes{4, 24, 5, 55, 1}));
    EXPECT_EQ(Dcmd(kModes, 12).Count(), 12u);  // cut at the caller's length

    const auto gasGauge = [&](std::uint8_t sub, std::uint16_t offset, std::uint32_t count) {
        Request r(lp::kFnDcmdPrivate, 0, 9, lp::kDirFromController);
        r.Mailbox(0, sub);
        r.Put(lp::kOffMailbox + 4, 2, offset);
        r.Put(lp::kOffMailbox + 8, 4, count);
        r.Opcode(0x010EE100).Send();
        return r;
    };
    Request gg = gasGauge(1, 3, 2);
    ASSERT_EQ(gg.Fw(), 0u);
    EXPECT_EQ(gg.At(7, 2), 0x1234u);
    EXPECT_EQ(gasGauge(1, 4, 2).Fw(), 3u);  // past the memory
    EXPECT_EQ(gasGauge(2, 0, 1).Fw(), 3u);
    Close();

    pack["modes_supported"] = false;
    Start(pack);
    EXPECT_EQ(Dcmd(kModes, 12).Fw(), 2u);
}

TEST_F(SimBatteryTest, SleepAndSealAreOneWay)
{
    Start(Pack());
    EXPECT_EQ(Control(0x05060100).Fw(), 0u);
    EXPECT_EQ(Control(0x05060100).Fw(), 50u);
    EXPECT_EQ(Control(0x05060200).Fw(), 0u);
    EXPECT_EQ(Control(0x05060200).Fw(), 50u);
    const Json saved = Saved();
    EXPECT_TRUE(saved["battery"]["mfg_sleep"]);
    EXPECT_TRUE(saved["battery"]["sealed"]);
    EXPECT_EQ(EventTexts(saved).size(), 2u);
}

TEST_F(SimBatteryTest, TerminalLogIsReadInPiecesClearedAndBacked)
{
    Json controller;
    std::string longLine(200, 'x');
    controller["term_log"] = {{"lines", Json::array({longLine, longLine, longLine, longLine, longLine, longLine, "end"})},
                              {"battery", 7}};
    Start(Pack(), kNow, controller);
    const std::uint32_t total = 6 * 201 + 4;
    Request first = DcmdTo(0x01090200, 1024, {});
    EXPECT_EQ(first.At(0, 4), total);
    EXPECT_EQ(first.At(4, 4), 1016u);
    EXPECT_EQ(first.Text(8, 3), "xxx");
    Request second = DcmdTo(0x01090200, 1024, {0xF8, 0x03});  // from byte 1016
    EXPECT_EQ(second.At(4, 4), total - 1016);
    EXPECT_EQ(second.Text(8, 300), std::string(189, 'x') + "\nend\n");
    EXPECT_EQ(DcmdTo(0x01090200, 1024, {0, 0x10}).At(4, 4), 0u);  // past the end
    EXPECT_EQ(Dcmd(0x010A0100, 1).At(0), 7u);

    EXPECT_EQ(Control(0x010A0400).Fw(), 0u);
    EXPECT_EQ(Dcmd(0x010A0100, 1).At(0), 2u);
    EXPECT_EQ(Control(0x01090100).Fw(), 0u);
    EXPECT_EQ(Dcmd(0x01090200, 1024).At(4, 4), 0u);
    const Json saved = Saved();
    EXPECT_EQ(saved["term_log"], (Json{{"lines", Json::array()}, {"battery", 2}}));
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Battery backing of the terminal log changed",
                                                           "Firmware terminal log cleared"}));
}

TEST_F(SimBatteryTest, DefectListHeadersCountPrimaryAndGrownDefects)
{
    Json controller;
    controller["drives"] = Json::array({Json{{"device_id", 10}, {"slot", 0}, {"blocks", 2000000},
                                             {"primary_defects", 300}, {"grown_defects", 200}}});
    Start(Pack(), kNow, controller);
    const auto defects = [&](std::uint8_t lists, std::uint16_t allocation) {
        return PassThru(10, {0x37, 0, lists, 0, 0, 0, 0, static_cast<std::uint8_t>(allocation >> 8),
                             static_cast<std::uint8_t>(allocation & 0xFF), 0},
                        512, lp::kDirFromController);
    };
    Request primary = defects(0x15, 4);
    ASSERT_EQ(primary.Fw(), 0u);
    EXPECT_EQ(primary.At(1), 0x15u);
    EXPECT_EQ(primary.At(2) * 256 + primary.At(3), 2400u);
    EXPECT_EQ(primary.Count(), 4u);
    Request grown = defects(0x0D, 4);
    EXPECT_EQ(grown.At(2) * 256 + grown.At(3), 1600u);
    Request both = defects(0x1D, 20);
    EXPECT_EQ(both.At(2) * 256 + both.At(3), 4000u);
    EXPECT_EQ(both.Count(), 20u);  // the header and two entries
    EXPECT_EQ(defects(0x16, 4).Fw(), 2u);  // a format the drive does not report
}

}  // namespace
}  // namespace simtest
