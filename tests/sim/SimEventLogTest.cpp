// The simulated controller's event log: the state file form of events and their arguments,
// the log information, clear, the event list and count requests and their selection.
#include "SimHarness.h"

namespace simtest {
namespace {

constexpr std::uint32_t kGetInfo = 0x01040100;
constexpr std::uint32_t kClear = 0x01040200;
constexpr std::uint32_t kGetEvents = 0x01040300;
constexpr std::uint32_t kGetCount = 0x01040400;

Json Pd(int deviceId, int index, int slot) { return Json{{"device_id", deviceId}, {"enclosure_index", index}, {"slot", slot}}; }
Json Ld(int targetId) { return Json{{"target_id", targetId}}; }

// An event in the form the library writes back.
Json Event(std::uint32_t seq, Json args, int eventClass = 0, const std::string& locale = "0x0020",
           const std::string& description = "")
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", 0x100 + seq);
    return Json{{"seq", seq},     {"time", 763810200 + seq}, {"code", code},       {"class", eventClass},
                {"locale", locale}, {"args", std::move(args)}, {"description", description}};
}

Json Log(Json records, std::uint32_t clear = 0, std::uint32_t shutdown = 0, std::uint32_t boot = 0,
         std::uint32_t maxRecords = 1024)
{
    return Json{{"max_records", maxRecords}, {"clear_seq", clear},        {"shutdown_seq", shutdown},
                {"boot_seq", boot},          {"records", std::move(records)}};
}

class SimEventLogTest : public SimTest {
protected:
    void WriteLog(const Json& events)
    {
        Json state = State(Json::array({Json{{"pci", Pci(1, 3)}, {"events", events}}}));
        state["clock"] = Json{{"now", 763900000}, {"advance_per_run", 0}};
        WriteState(state);
    }
    Json Events() const { return ReadState()["controllers"][0]["events"]; }

    // An event request: start number in mailbox word 0, class/locale word in word 1.
    Request Select(std::uint32_t opcode, std::uint32_t length, std::uint32_t start, std::uint32_t classLocale)
    {
        Request r(lp::kFnDcmd, 0, length, lp::kDirFromController);
        for (int i = 0; i < 4; ++i) {
            r.Mailbox(i, static_cast<std::uint8_t>(start >> (8 * i)));
            r.Mailbox(4 + i, static_cast<std::uint8_t>(classLocale >> (8 * i)));
        }
        r.Opcode(opcode).Send();
        return r;
    }
    // The sequence numbers of an event list reply.
    static std::vector<std::uint32_t> SeqNums(const Request& reply)
    {
        std::vector<std::uint32_t> seqs;
        for (std::uint32_t i = 0; i < reply.At(0, 4); ++i)
            seqs.push_back(static_cast<std::uint32_t>(reply.At(8 + 256 * i, 4)));
        return seqs;
    }
};

TEST_F(SimEventLogTest, EveryArgumentLayoutIsKeptAcrossASave)
{
    const Json props1 = {{"name", "data"},         {"default_cache_policy", 1}, {"access_policy", 0},
                         {"disk_cache_policy", 2}, {"current_cache_policy", 3}, {"no_bgi", 1}};
    const Json props2 = {{"name", "archive"},      {"default_cache_policy", 4}, {"access_policy", 2},
                         {"disk_cache_policy", 0}, {"current_cache_policy", 5}, {"no_bgi", 0}};
    const std::vector<Json> args = {
        {{"type", "none"}},
        {{"type", "cdb_sense"}, {"pd", Pd(8, 1, 0)}, {"cdb_length", 10}, {"sense_length", 18},
         {"cdb", "28000000100000000800000000000000"}, {"sense", std::string(40, '0') + "70000300" + std::string(80, '0')}},
        {{"type", "ld"}, {"ld", Ld(1)}},
        {{"type", "ld_count"}, {"ld", Ld(2)}, {"count", 3}},
        {{"type", "ld_lba"}, {"lba", 5000000000u}, {"ld", Ld(1)}},
        {{"type", "ld_owner"}, {"ld", Ld(0)}, {"previous_owner", 1}, {"new_owner", 2}},
        {{"type", "ld_lba_pd_lba"}, {"ld_lba", 1234}, {"pd_lba", 5678}, {"ld", Ld(1)}, {"pd", Pd(9, 1, 1)}},
        {{"type", "ld_state"}, {"ld", Ld(1)}, {"previous_state", 3}, {"new_state", 2}},
        {{"type", "ld_strip"}, {"strip", 77}, {"ld", Ld(0)}},
        {{"type", "pd"}, {"pd", Pd(10, 1, 2)}},
        {{"type", "pd_error"}, {"pd", Pd(10, 1, 2)}, {"error", 5}},
        {{"type", "pd_lba"}, {"lba", 99}, {"pd", Pd(10, 1, 2)}},
        {{"type", "pd_lba_ld"}, {"lba", 100}, {"pd", Pd(10, 1, 2)}, {"ld", Ld(1)}},
        {{"type", "pd_state"}, {"pd", Pd(10, 1, 2)}, {"previous_state", 0}, {"new_state", 24}},
        {{"type", "pci"}, {"vendor_id", "0x7A4B"}, {"device_id", "0x0001"}, {"sub_vendor_id", "0x7A4B"}, {"sub_device_id", "0x4003"}},
        {{"type", "rate"}, {"rate", 30}},
        {{"type", "text"}, {"text", "Battery relearn"}},
        {{"type", "time"}, {"time", 0}, {"since_power_on", 3600}},
        {{"type", "ecc"}, {"ecar", "0x12345678"}, {"elog", "0xABCDEF00"}, {"text", "Single-bit error"}},
        {{"type", "ld_properties"}, {"ld", Ld(1)}, {"previous", props1}, {"new", props2}},
        {{"type", "pd_spare"}, {"pd", Pd(14, 1, 6)}, {"dedicated", true}, {"revertible", false},
         {"enclosure_affinity", true}, {"arrays", {0, 2}}},
        {{"type", "pd_index"}, {"pd", Pd(10, 1, 2)}, {"index", 4}},
        {{"type", "diag_pass"}, {"pass_count", 2}, {"name", "Memory test"}},
        {{"type", "diag_fail"}, {"pass_count", 3}, {"failure_offset", 16}, {"good_data", 170}, {"bad_data", 85},
         {"name", "Cache test"}},
        {{"type", "pd_lba_remap"}, {"bad_lba", 4294967297u}, {"remapped_lba", 5000000000u}, {"pd", Pd(10, 1, 2)}},
        {{"type", "port_phy"}, {"port", 1}, {"phy", 3}},
        {{"type", "pd_array_row"}, {"pd", Pd(10, 1, 2)}, {"array", 1}, {"row", 0}},
        {{"type", "pd_address"}, {"device_id", 8}, {"enclosure_device_id", 252}, {"enclosure_index", 1}, {"slot", 0},
         {"sas_address_1", "0x5000C500AABBCC01"}, {"sas_address_2", "0x5000C500AABBCC02"}},
        {{"type", "redundant_path"}, {"value", 1}},
        // Bytes that no field names are kept as they are.
        {{"type", 7}, {"raw", "0102" + std::string(188, '0')}},
        {{"type", "ld"}, {"raw", "0100FFFF" + std::string(184, '0')}},
    };
    Json records = Json::array();
    for (std::size_t i = 0; i < args.size(); ++i)
        records.push_back(Event(static_cast<std::uint32_t>(i + 1), args[i]));
    const Json log = Log(records, 3, 2, 1);
    WriteLog(log);
    ASSERT_EQ(Init(), lp::kLibOk);
    // A clear saves the state: what was read is written back unchanged, the clear event after it.
    EXPECT_EQ(Dcmd(kClear, 0).Fw(), 0u);
    const Json after = Events();
    ASSERT_EQ(after["records"].size(), records.size() + 1);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(after["records"][i], records[i]) << i;

    // The record bytes follow the layout: the drive reference of the drive state event.
    Request list = Select(kGetEvents, 8 + 256, 14, 0x0000FFFF);
    ASSERT_EQ(list.Fw(), 0u);
    EXPECT_EQ(list.At(0, 4), 1u);
    EXPECT_EQ(list.At(8 + 0, 4), 14u);
    EXPECT_EQ(list.At(8 + 4, 4), 763810214u);
    EXPECT_EQ(list.At(8 + 8, 4), 0x10Eu);
    EXPECT_EQ(list.At(8 + 12, 2), 0x20u);
    EXPECT_EQ(list.At(8 + 16), 15u);
    EXPECT_EQ(list.At(8 + 32, 2), 10u);
    EXPECT_EQ(list.At(8 + 34), 1u);
    EXPECT_EQ(list.At(8 + 35), 2u);
    EXPECT_EQ(list.At(8 + 40, 4), 24u);
}

TEST_F(SimEventLogTest, TextsThatAreNotPlainCharactersAreKeptAsBytes)
{
    // A description that fills its 128 bytes has no NUL; a text argument with a control
    // character is written back as the raw area.
    const std::string full(128, 'd');
    Json records = {Event(1, {{"type", "text"}, {"raw", "41070042"}}, 0, "0x0020", full)};
    WriteLog(Log(records));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request list = Select(kGetEvents, 8 + 256, 0, 0x0000FFFF);
    EXPECT_EQ(list.Text(8 + 128, 128), full);
    EXPECT_EQ(list.At(8 + 33), 7u);
    EXPECT_EQ(Dcmd(kClear, 0).Fw(), 0u);
    const Json event = Events()["records"][0];
    EXPECT_EQ(event["description"], full);
    EXPECT_EQ(event["args"], (Json{{"type", "text"}, {"raw", "41070042" + std::string(184, '0')}}));
}

TEST_F(SimEventLogTest, InformationReportsTheLogsNumbers)
{
    WriteLog(Log({Event(5, {{"type", "none"}}), Event(6, {{"type", "none"}}), Event(9, {{"type", "none"}})}, 6, 4, 8));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request info = Dcmd(kGetInfo, 20);
    ASSERT_EQ(info.Fw(), 0u);
    EXPECT_EQ(info.At(0, 4), 9u);
    EXPECT_EQ(info.At(4, 4), 5u);
    EXPECT_EQ(info.At(8, 4), 6u);
    EXPECT_EQ(info.At(12, 4), 4u);
    EXPECT_EQ(info.At(16, 4), 8u);

    // A new controller's empty log reports zeros; its first event is number 1.
    Close();
    WriteLog(Log(Json::array()));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request empty = Dcmd(kGetInfo, 20);
    EXPECT_EQ(empty.At(0, 4), 0u);
    EXPECT_EQ(empty.At(4, 4), 0u);
    EXPECT_EQ(Dcmd(kClear, 0).Fw(), 0u);
    const Json events = Events();
    EXPECT_EQ(events["clear_seq"], 1);
    EXPECT_EQ(events["records"][0]["seq"], 1);
    EXPECT_EQ(events["records"][0]["time"], 763900000);
    EXPECT_EQ(events["records"][0]["code"], "0x00000011");
    EXPECT_EQ(events["records"][0]["description"], "Event log cleared");
}

TEST_F(SimEventLogTest, ClearKeepsTheEventsAndAFullLogDropsItsOldest)
{
    WriteLog(Log({Event(5, {{"type", "none"}}), Event(6, {{"type", "none"}}), Event(7, {{"type", "none"}})}, 0, 0, 0, 3));
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(kClear, 0).Fw(), 0u);
    Request info = Dcmd(kGetInfo, 20);
    EXPECT_EQ(info.At(0, 4), 8u);  // newest: the clear event
    EXPECT_EQ(info.At(4, 4), 6u);  // event 5 made room for it
    EXPECT_EQ(info.At(8, 4), 8u);
    const Json events = Events();
    EXPECT_EQ(events["max_records"], 3);
    ASSERT_EQ(events["records"].size(), 3u);
    EXPECT_EQ(events["records"][0]["seq"], 6);
}

TEST_F(SimEventLogTest, RequestsSelectByStartLocaleAndClass)
{
    WriteLog(Log({Event(1, {{"type", "none"}}, 0, "0x0001"), Event(2, {{"type", "none"}}, -1, "0x0002"),
                  Event(3, {{"type", "none"}}, 2, "0x0002"), Event(4, {{"type", "none"}}, 1, "0x0001"),
                  Event(5, {{"type", "none"}}, -2, "0x0020")}));
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(SeqNums(Select(kGetEvents, 8 + 256 * 8, 0, 0x0000FFFF)), (std::vector<std::uint32_t>{1, 3, 4}));
    EXPECT_EQ(SeqNums(Select(kGetEvents, 8 + 256 * 8, 0, 0xFE00FFFF)), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(SeqNums(Select(kGetEvents, 8 + 256 * 8, 2, 0x00000001)), (std::vector<std::uint32_t>{4}));
    EXPECT_EQ(SeqNums(Select(kGetEvents, 8 + 256 * 8, 0, 0x01000002)), (std::vector<std::uint32_t>{3}));

    // As many whole records as the caller's length holds.
    Request two = Select(kGetEvents, 8 + 256 * 2 + 255, 0, 0xFE00FFFF);
    EXPECT_EQ(SeqNums(two), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_TRUE(two.GuardIntact());
    EXPECT_EQ(Select(kGetEvents, 8, 0, 0xFE00FFFF).At(0, 4), 0u);
    Request tiny = Select(kGetEvents, 4, 0, 0xFE00FFFF);
    EXPECT_EQ(tiny.Fw(), 0u);
    EXPECT_TRUE(tiny.GuardIntact());

    Request count = Select(kGetCount, 4, 3, 0x0000FFFF);
    EXPECT_EQ(count.Fw(), 0u);
    EXPECT_EQ(count.At(0, 4), 2u);
    EXPECT_EQ(Select(kGetCount, 4, 6, 0x0000FFFF).Fw(), 35u);
    EXPECT_EQ(Select(kGetEvents, 8 + 256, 6, 0x0000FFFF).At(0, 4), 0u);
}

TEST_F(SimEventLogTest, ABrokenLogIsRefusedNamingTheField)
{
    const std::vector<std::pair<Json, std::string>> cases = {
        {Log({Event(2, {{"type", "none"}}), Event(2, {{"type", "none"}})}),
         "controllers[0].events.records[1].seq: sequence numbers must rise"},
        {Log({Event(1, {{"type", "bogus"}})}), "controllers[0].events.records[0].args.type: unknown argument type"},
        {Log({Event(1, {{"type", "pd"}, {"pd", Pd(8, 1, 0)}, {"slot", 3}})}),
         "controllers[0].events.records[0].args: unknown field \"slot\""},
        {Log({Event(1, {{"type", "ld"}, {"raw", "0G"}})}), "controllers[0].events.records[0].args.raw: expected pairs"},
        {Log({Event(1, {{"type", "pd_spare"}, {"arrays", Json::array({1, 2, 3}).dump()}})}),
         "controllers[0].events.records[0].args.arrays: expected a list"},
        {Log({Event(1, {{"type", "none"}}), Event(2, {{"type", "none"}})}, 0, 0, 0, 1),
         "controllers[0].events.records: more events than max_records (1)"},
        {Log(Json::array(), 0, 0, 0, 0), "controllers[0].events.max_records: expected a whole number from 1"},
    };
    for (const auto& [log, fault] : cases) {
        WriteLog(log);
        const std::string text = ReadText();
        testing::internal::CaptureStderr();
        EXPECT_EQ(Init(), lp::kLibStateError) << fault;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(fault), std::string::npos) << err;
        EXPECT_EQ(ReadText(), text);
        Close();
    }
    Json event = Event(1, {{"type", "none"}});
    event["class"] = 200;
    WriteLog(Log({event}));
    testing::internal::CaptureStderr();
    EXPECT_EQ(Init(), lp::kLibStateError);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("records[0].class: expected a whole number from -128 to 127"),
              std::string::npos);
}

TEST_F(SimEventLogTest, AListOfEventsIsReadAsTheRecords)
{
    WriteLog(Json::array({Json{{"seq", 4}, {"time", 0}, {"class", 0}, {"code", 16}}}));
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(kGetInfo, 20).At(0, 4), 4u);
    EXPECT_EQ(Dcmd(kClear, 0).Fw(), 0u);
    const Json events = Events();
    EXPECT_EQ(events["records"][0]["code"], "0x00000010");
    EXPECT_EQ(events["records"][1]["seq"], 5);
}

}  // namespace
}  // namespace simtest
