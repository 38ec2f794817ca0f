// The controller's maintenance requests in the simulated controller: the clock, the defaults
// block and its factory copy, cache flush, shutdown, diagnostic, PHY link speeds and the
// advanced event capture.
#include "SimHarness.h"

namespace simtest {
namespace {

constexpr std::uint32_t kSetTime = 0x01080102;
constexpr std::uint32_t kGetTime = 0x01080101;
constexpr std::uint32_t kGetDefaults = 0x010E0201;
constexpr std::uint32_t kSetDefaults = 0x010E0202;
constexpr std::uint32_t kFactoryDefaults = 0x010D0000;
constexpr std::uint32_t kAecControl = 0x01180100;
constexpr std::uint32_t kAecSegment = 0x01180200;
constexpr std::uint32_t kAecSettings = 0x01180300;

class SimMaintenanceTest : public SimTest {
protected:
    // One controller with eight PHYs, its defaults at `extent` bytes, the clock at `now`.
    void Start(Json controller = Json::object(), std::uint64_t now = 700000000)
    {
        controller["pci"] = Pci(1, 3);
        if (!controller.contains("phys"))
            controller["phys"] = Json::array({Json::object(), Json::object(), Json::object(), Json::object()});
        Json state = State({controller});
        state["clock"] = {{"now", now}};
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }
    // Ends the run and reads the saved controller.
    Json Saved()
    {
        Close();
        return ReadState()["controllers"][0];
    }
    Request Control(std::uint32_t opcode, std::initializer_list<std::uint32_t> words)
    {
        Request r(lp::kFnDcmd, 0);
        std::size_t i = 0;
        for (std::uint32_t w : words)
            r.Put(lp::kOffMailbox + 4 * i++, 4, w);
        r.Opcode(opcode).Send();
        return r;
    }
    Request Read(std::uint32_t opcode, std::uint32_t length, std::uint32_t word0 = 0)
    {
        Request r(lp::kFnDcmd, 0, length, lp::kDirFromController);
        r.Put(lp::kOffMailbox, 4, word0);
        r.Opcode(opcode).Send();
        return r;
    }
    static Bytes Time(int year, int month, int day, int hour, int minute, int second)
    {
        Bytes b(8, 0);
        PutLe(b.data(), 2, static_cast<std::uint64_t>(year));
        b[2] = static_cast<std::uint8_t>(month);
        b[3] = static_cast<std::uint8_t>(day);
        b[4] = static_cast<std::uint8_t>(hour);
        b[5] = static_cast<std::uint8_t>(minute);
        b[6] = static_cast<std::uint8_t>(second);
        return b;
    }
    static std::vector<std::string> EventTexts(const Json& controller)
    {
        std::vector<std::string> texts;
        for (const Json& record : controller["events"]["records"])
            texts.push_back(record["description"]);
        return texts;
    }
};

TEST_F(SimMaintenanceTest, TimeIsSetOnlyToADateThatExists)
{
    Start();
    for (const Bytes& bad : {Time(2100, 2, 29, 0, 0, 0), Time(2023, 2, 29, 0, 0, 0), Time(2024, 13, 1, 0, 0, 0),
                             Time(2024, 4, 31, 0, 0, 0), Time(2024, 1, 0, 0, 0, 0), Time(2024, 1, 1, 24, 0, 0),
                             Time(2024, 1, 1, 0, 60, 0), Time(2024, 1, 1, 0, 0, 60), Time(1999, 12, 31, 23, 59, 59),
                             Time(2136, 2, 7, 6, 28, 16)})
        EXPECT_EQ(Write(kSetTime, bad).Fw(), 3u);
    const Bytes leapDay = Time(2024, 2, 29, 23, 59, 58);
    EXPECT_EQ(Write(kSetTime, leapDay).Fw(), 0u);
    EXPECT_EQ(Read(kGetTime, 8).Slice(0, 8), leapDay);
    const Json saved = Saved();
    EXPECT_EQ(ReadState()["clock"]["now"], 762566398u);
    ASSERT_EQ(saved["events"]["records"].size(), 1u);
    EXPECT_EQ(saved["events"]["records"][0]["description"], "Controller time set");
    EXPECT_EQ(saved["events"]["records"][0]["time"], 762566398u);
}

TEST_F(SimMaintenanceTest, DefaultsWriteKeepsTheExtentAndTheFactoryCopy)
{
    Start(Json{{"defaults", {{"defaults_extent", 72}, {"background_rate", 30}, {"cached_io", 9}}}});
    Request block = Read(kGetDefaults, 72);
    EXPECT_EQ(block.At(15), 9u);  // a flag byte kept whole
    Bytes data = block.Slice(0, 72);
    data[9] = 50;     // background rate
    data[62] = 64;    // the extent is the controller's own
    data[65] = 0xC1;  // SMART error handling bits and the write cache for rebuilds
    ASSERT_EQ(Write(kSetDefaults, data).Fw(), 0u);
    data[62] = 72;
    EXPECT_EQ(Read(kGetDefaults, 72).Slice(0, 72), data);
    // A second write keeps the factory copy of the first.
    data[9] = 60;
    ASSERT_EQ(Write(kSetDefaults, data).Fw(), 0u);
    Json saved = Saved();
    EXPECT_EQ(saved["factory_defaults"]["background_rate"], 30);
    EXPECT_EQ(saved["defaults"]["background_rate"], 60);
    EXPECT_EQ(saved["defaults"]["smart_error_handling"], true);
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Controller default settings changed",
                                                           "Controller default settings changed"}));

    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Control(kFactoryDefaults, {}).Fw(), 0u);
    EXPECT_EQ(Read(kGetDefaults, 72).At(9), 30u);
    saved = Saved();
    EXPECT_EQ(saved["defaults"], saved["factory_defaults"]);
}

TEST_F(SimMaintenanceTest, FactoryResetWithoutAFactoryCopyKeepsTheBlock)
{
    Start(Json{{"defaults", {{"background_rate", 30}}}});
    const Bytes before = Read(kGetDefaults, 72).Slice(0, 72);
    EXPECT_EQ(Control(kFactoryDefaults, {}).Fw(), 0u);
    EXPECT_EQ(Read(kGetDefaults, 72).Slice(0, 72), before);
    EXPECT_EQ(EventTexts(Saved()), std::vector<std::string>{"Factory default settings restored"});
}

TEST_F(SimMaintenanceTest, FlushShutdownAndDiagnosticAreCheckedAndLogged)
{
    Start();
    EXPECT_EQ(Control(0x01101000, {0}).Fw(), 3u);
    EXPECT_EQ(Control(0x01101000, {4}).Fw(), 3u);
    EXPECT_EQ(Control(0x01101000, {3}).Fw(), 0u);
    EXPECT_EQ(Control(0x01050000, {2}).Fw(), 3u);
    EXPECT_EQ(Control(0x01050000, {1}).Fw(), 0u);
    EXPECT_EQ(Read(0x01120100, 204800, 180).Fw(), 0u);
    const Json saved = Saved();
    EXPECT_EQ(EventTexts(saved), (std::vector<std::string>{"Controller cache flushed", "Controller shut down",
                                                           "Controller diagnostics passed"}));
    EXPECT_EQ(saved["events"]["shutdown_seq"], 2);
}

TEST_F(SimMaintenanceTest, PhyLinkSpeedIsLimitedToTheCodesTheControllerOffers)
{
    Start(Json{{"info", {{"device_interface", {"sas_6g"}}}}});
    const auto set = [&](std::uint8_t phy, std::uint8_t speed) {
        Request r(lp::kFnDcmd, 0);
        r.Mailbox(0, phy).Mailbox(1, speed).Opcode(0x07050000).Send();
        return r.Fw();
    };
    EXPECT_EQ(set(4, 2), 3u);  // no such PHY
    EXPECT_EQ(set(0, 3), 3u);
    EXPECT_EQ(set(0, 8), 3u);  // 12 Gb/s only with a 12 Gb/s drive interface
    EXPECT_EQ(set(3, 1), 0u);
    EXPECT_EQ(Read(0x07010000, 264).At(8 + 3 * 16 + 14), 1u << 2);
    Json saved = Saved();
    EXPECT_EQ(saved["phys"][3]["link_speed"], "1.5g");
    EXPECT_EQ(saved["phys"][0]["link_speed"], "no_limit");

    Start(Json{{"info", {{"device_interface", {"sas_12g"}}}}});
    EXPECT_EQ(set(2, 8), 0u);
    EXPECT_EQ(Saved()["phys"][2]["link_speed"], "12g");
}

TEST_F(SimMaintenanceTest, CaptureCopiesTheEventsLoggedWhileItRuns)
{
    Start();
    EXPECT_EQ(Control(kAecControl, {3, 2}).Fw(), 3u);  // no such mode
    EXPECT_EQ(Control(kAecControl, {4, 2, 1}).Fw(), 3u);  // no such filter group
    EXPECT_EQ(Control(kAecControl, {6}).Fw(), 3u);
    ASSERT_EQ(Control(kAecControl, {2, 0}).Fw(), 0u);
    Control(0x01101000, {1});  // captured
    Request set = Control(kAecControl, {4, 0, 0x20});
    EXPECT_EQ(set.Fw(), 0u);
    EXPECT_EQ(set.Get(lp::kOffMailbox + 8, 4), 0x20u);  // the mask comes back as sent
    EXPECT_EQ(Read(kAecSegment, 32768, 0).Fw(), 97u);  // not while capture runs

    Request settings = Read(kAecSettings, 40);
    EXPECT_EQ(settings.Slice(0, 3), (Bytes{1, 1, 0}));
    EXPECT_EQ(settings.At(8, 4), 2u);  // the flush and the filter change
    EXPECT_EQ(settings.At(12, 4), 1u);
    EXPECT_EQ(settings.At(16, 4), 0x20u);

    ASSERT_EQ(Control(kAecControl, {1}).Fw(), 0u);
    Request segment = Read(kAecSegment, 32768, 0);
    EXPECT_EQ(segment.Fw(), 0u);
    EXPECT_EQ(segment.Get(lp::kOffMailbox + 4, 4), 512u);
    EXPECT_EQ(segment.At(8, 4), 0xD3u);  // the first record's code
    EXPECT_EQ(segment.Text(128, 128), "Controller cache flushed");
    EXPECT_EQ(segment.At(256 + 8, 4), 0xDCu);
    EXPECT_EQ(segment.At(512, 4), 0u);  // the rest of the segment is zero
    EXPECT_EQ(Read(kAecSegment, 32768, 1).Fw(), 3u);
    const Json saved = Saved();
    EXPECT_EQ(saved["aec"]["events"].size(), 2u);
    EXPECT_EQ(saved["aec"]["started"], false);
}

TEST_F(SimMaintenanceTest, CaptureEndsOrDropsItsOldestWhenTheBufferIsFull)
{
    const auto running = [](const char* mode, int events) {
        Json records = Json::array();
        for (int i = 1; i <= events; ++i)
            records.push_back(Json{{"seq", i}, {"code", "0x000000D3"}});
        return Json{{"aec", {{"enabled", true}, {"started", true}, {"mode", mode}, {"buffer_segments", 1},
                             {"host_filter_mask", "0x0020"}, {"events", records}}}};
    };
    Start(running("full", 127));
    Control(0x01101000, {1});
    Control(0x01101000, {1});
    Request settings = Read(kAecSettings, 40);
    EXPECT_EQ(settings.At(1), 0u);  // stopped by itself
    EXPECT_EQ(settings.At(8, 4), 128u);
    EXPECT_EQ(Read(kAecSegment, 32768, 0).Get(lp::kOffMailbox + 4, 4), 32768u);

    Close();
    Start(running("continuous", 128));
    Control(0x01101000, {1});
    Json saved = Saved();
    EXPECT_EQ(saved["aec"]["started"], true);
    EXPECT_EQ(saved["aec"]["events"].size(), 128u);
    EXPECT_EQ(saved["aec"]["events"][0]["seq"], 2);
    EXPECT_EQ(saved["aec"]["events"][127]["description"], "Controller cache flushed");

    // A capture for a number of events ends when it holds them.
    Start(Json{{"aec", {{"buffer_segments", 1}}}});
    ASSERT_EQ(Control(kAecControl, {2, 3}).Fw(), 0u);
    for (int i = 0; i < 5; ++i)
        Control(0x01101000, {1});
    EXPECT_EQ(Read(kAecSettings, 40).At(8, 4), 3u);
}

TEST_F(SimMaintenanceTest, PciIdentityBlock)
{
    Start();
    Request pci = Read(0x010E0100, 8);
    EXPECT_EQ(pci.At(0, 2), 0x7A4Bu);
    EXPECT_EQ(pci.At(2, 2), 0x4003u);
    EXPECT_EQ(pci.At(4, 2), 0x7A4Bu);
    EXPECT_EQ(pci.At(6, 2), 1u);
}

}  // namespace
}  // namespace simtest
