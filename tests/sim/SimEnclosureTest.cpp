// The simulated enclosures: the enclosure services device answers INQUIRY (standard data and
// vital product data) and the diagnostic pages of its services (configuration and status),
// built from the elements of the state; the enclosure list follows the same elements.
#include "SimHarness.h"

namespace simtest {
namespace {

// A pass-through request of `length` bytes from the device.
Request EnclosurePassThru(std::uint8_t target, std::initializer_list<std::uint8_t> cdb, std::uint32_t length,
                 std::uint8_t frame = 4)
{
    return simtest::PassThru(target, Bytes(cdb), length, lp::kDirFromController, {}, frame);
}

Request Page(std::uint8_t target, std::uint8_t page, std::uint16_t allocation = 1024)
{
    return EnclosurePassThru(target, {0x1C, 0x01, page, static_cast<std::uint8_t>(allocation >> 8),
                             static_cast<std::uint8_t>(allocation & 0xFF), 0},
                    allocation);
}

std::uint64_t BigEndian(const Request& r, std::size_t offset, std::size_t width)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < width; ++i)
        v = (v << 8) | r.At(offset + i);
    return v;
}

class SimEnclosureTest : public SimTest {
protected:
    // Enclosure 40: 4 device slots (drives in 0 and 2, the one in 2 failed), every kind of element
    // with chosen readings; enclosure 41: its partner, without enclosure services.
    static Json Controller()
    {
        return Json{
            {"enclosures",
             {{{"device_id", 40}, {"slots", 4}, {"slot_elements", "device"},
               {"power_supplies",
                {{{"status", "ok"}}, {{"status", "critical"}, {"conditions", {"ac_failed", "dc_under_voltage", "off"}}}}},
               {"fans", {{{"speed", 7}}, {{"status", "critical"}, {"speed", 0}}, {{"status", "not_installed"}}}},
               {"temperature_sensors", {{{"celsius", 25}}, {{"status", "non_critical"}, {"celsius", -5}}}},
               {"alarms", {{{"conditions", {"muted", "critical_sound"}}}}},
               {"sims", {{{"conditions", {"report"}}}}},
               {"voltage_sensors", {{{"millivolts", -1200}, {"conditions", {"warning_over"}}}, {{"millivolts", 12000}}}},
               {"type", "ses"}, {"partner", 41}, {"sas_address", "0x5000000000000A40"},
               {"inquiry", {{"vendor", "ENCV"}, {"product", "Shelf Four"}, {"revision", "0102"}}},
               {"fru", {{"serial", "SN12"}, {"part_number", "PN-4"}, {"esm_serial", "E1"}, {"zoning_mode", "Z"}}}},
              {{"device_id", 41}, {"slots", 2}, {"power_supplies", 1}, {"type", "sgpio"}, {"partner", 40}}}},
            {"drives",
             {{{"device_id", 10}, {"enclosure", 40}, {"slot", 0}, {"blocks", 1000000}},
              {{"device_id", 12}, {"enclosure", 40}, {"slot", 2}, {"state", "unconfigured_bad"}, {"blocks", 1000000}}}}};
    }

    void SetUp() override
    {
        SimTest::SetUp();
        WriteState(State({Controller()}));
    }
};

TEST_F(SimEnclosureTest, ConfigurationPageListsTheElementTypesWithTheirCounts)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request page = Page(40, 1, 1008);
    ASSERT_EQ(page.Fw(), 0u);
    const std::size_t length = 4 + BigEndian(page, 2, 2);
    EXPECT_EQ(page.Count(), length);
    EXPECT_EQ(page.At(0), 1u);
    EXPECT_EQ(page.At(10), 8u);  // slots, six kinds, the enclosure
    EXPECT_EQ(page.At(11), 36u);
    EXPECT_EQ(BigEndian(page, 12, 8), 0x5000000000000A40u);
    EXPECT_EQ(page.Text(20, 8), "ENCV    ");
    EXPECT_EQ(page.Text(28, 16), "Shelf Four      ");
    const std::uint8_t expected[][2] = {{1, 4}, {2, 2}, {3, 3}, {4, 2}, {6, 1}, {7, 1}, {18, 2}, {14, 1}};
    std::size_t texts = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(page.At(48 + 4 * i), expected[i][0]) << i;
        EXPECT_EQ(page.At(48 + 4 * i + 1), expected[i][1]) << i;
        texts += page.At(48 + 4 * i + 3);
    }
    EXPECT_EQ(length, 48 + 8 * 4 + texts);
    EXPECT_EQ(page.Text(80, 11), "Drive Slots");
}

TEST_F(SimEnclosureTest, StatusPageCarriesEachElementAfterItsTypesOverallElement)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request page = Page(40, 2);
    ASSERT_EQ(page.Fw(), 0u);
    // 8 types with their overall elements and 4 + 2 + 3 + 2 + 1 + 1 + 2 + 1 elements.
    EXPECT_EQ(page.Count(), 8u + 4 * (8 + 16));
    EXPECT_EQ(page.At(1), 0x06u);  // critical and non-critical elements present
    const auto element = [&](std::size_t index) { return 8 + 4 * index; };
    // Slots: overall at 0, then slot 0 (a drive), 1 (empty), 2 (a failed drive), 3 (empty).
    EXPECT_EQ(page.At(element(1)), 1u);
    EXPECT_EQ(page.At(element(1) + 1), 0u);
    EXPECT_EQ(page.At(element(2)), 5u);
    EXPECT_EQ(page.At(element(3)), 2u);
    EXPECT_EQ(page.At(element(3) + 1), 2u);  // the slot address
    // Power supplies: overall at 5, then 6 and 7.
    EXPECT_EQ(page.At(element(6), 4), 0x00000001u);
    EXPECT_EQ(page.At(element(7)), 2u);
    EXPECT_EQ(page.At(element(7) + 2), 0x04u);  // DC under voltage
    EXPECT_EQ(page.At(element(7) + 3), 0x12u);  // AC failed, off
    // Fans: overall at 8, then 9-11.
    EXPECT_EQ(page.At(element(9) + 3), 7u);
    EXPECT_EQ(page.At(element(10)), 2u);
    EXPECT_EQ(page.At(element(10) + 3), 0u);
    EXPECT_EQ(page.At(element(11)), 5u);
    // Temperature sensors: overall at 12, then 13 and 14 (degrees + 20).
    EXPECT_EQ(page.At(element(13) + 2), 45u);
    EXPECT_EQ(page.At(element(14)), 3u);
    EXPECT_EQ(page.At(element(14) + 2), 15u);
    // Alarm at 16, SIM at 18, voltage sensors at 20 and 21 (big-endian, 10 mV), enclosure at 23.
    EXPECT_EQ(page.At(element(16) + 3), 0x42u);
    EXPECT_EQ(page.At(element(18) + 2), 0x01u);
    EXPECT_EQ(page.At(element(20) + 1), 0x08u);
    EXPECT_EQ(BigEndian(page, element(20) + 2, 2), 0xFF88u);
    EXPECT_EQ(BigEndian(page, element(21) + 2, 2), 1200u);
    EXPECT_EQ(page.At(element(23)), 1u);
    EXPECT_TRUE(page.GuardIntact());
}

TEST_F(SimEnclosureTest, PagesAreCutToTheAllocationLengthAndRefusedWhereNotAnswered)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Page(40, 2, 16).Count(), 16u);
    Request supported = Page(40, 0);
    EXPECT_EQ(supported.Count(), 7u);
    EXPECT_EQ(supported.At(4, 3), 0x020100u);

    Request unknownPage = Page(40, 5);
    EXPECT_EQ(unknownPage.Fw(), 2u);
    EXPECT_EQ(SenseCode(unknownPage), 0x24);
    EXPECT_EQ(unknownPage.Count(), 0u);
    Request noPcv = EnclosurePassThru(40, {0x1C, 0x00, 0x02, 0x04, 0x00, 0}, 1024);
    EXPECT_EQ(SenseCode(noPcv), 0x24);
    Request withoutServices = Page(41, 1);  // an SGPIO enclosure
    EXPECT_EQ(withoutServices.Fw(), 2u);
    EXPECT_EQ(SenseCode(withoutServices), 0x20);
    Request drive = Page(10, 1);
    EXPECT_EQ(SenseCode(drive), 0x20);
    EXPECT_EQ(Page(99, 1).Fw(), 12u);                                  // no such device
    EXPECT_EQ(EnclosurePassThru(40, {0x1C, 1, 1, 3, 0xF0, 0}, 1008, 3).Fw(), 12u);  // not a physical device
    Request wrongWay(lp::kFnScsiPassThru, 0, 64, lp::kDirToController, 18);
    wrongWay.bytes[lp::kOffFrameCmd] = 4;
    wrongWay.bytes[lp::kOffTarget] = 40;
    wrongWay.bytes[lp::kOffCdbLength] = 6;
    wrongWay.bytes[lp::PayloadCdbOffset()] = 0x1C;
    wrongWay.Send();
    EXPECT_EQ(wrongWay.Fw(), 3u);
}

TEST_F(SimEnclosureTest, InquiryGivesIdentityAndFieldReplaceableUnitData)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request standard = EnclosurePassThru(40, {0x12, 0, 0, 0, 96, 0}, 96);
    ASSERT_EQ(standard.Fw(), 0u);
    EXPECT_EQ(standard.At(0), 0x0Du);
    EXPECT_EQ(standard.At(6), 0x40u);  // enclosure services
    EXPECT_EQ(standard.Text(8, 8), "ENCV    ");  // SCSI texts are padded with blanks
    EXPECT_EQ(EnclosurePassThru(41, {0x12, 0, 0, 0, 96, 0}, 96).At(6), 0u);

    Request pages = EnclosurePassThru(40, {0x12, 1, 0x00, 0, 255, 0}, 255);
    EXPECT_EQ(pages.Count(), 6u);
    EXPECT_EQ(pages.At(4, 2), 0xC000u);
    Request fru = EnclosurePassThru(40, {0x12, 1, 0xC0, 0, 255, 0}, 255);
    ASSERT_EQ(fru.Count(), 36u);
    EXPECT_EQ(BigEndian(fru, 2, 2), 32u);
    EXPECT_EQ(fru.Text(4, 8), "SN12    ");
    EXPECT_EQ(fru.At(12, 6), 0u);
    EXPECT_EQ(fru.Text(18, 8), "PN-4    ");
    EXPECT_EQ(fru.Text(26, 6), "E1    ");
    EXPECT_EQ(fru.Text(32, 4), "Z   ");

    // Without FRU data the page is not offered and not answered.
    EXPECT_EQ(EnclosurePassThru(41, {0x12, 1, 0x00, 0, 255, 0}, 255).Count(), 5u);
    EXPECT_EQ(SenseCode(EnclosurePassThru(41, {0x12, 1, 0xC0, 0, 255, 0}, 255)), 0x24);
    EXPECT_EQ(SenseCode(EnclosurePassThru(40, {0x12, 0, 0xC0, 0, 255, 0}, 255)), 0x24);  // a page without EVPD
}

TEST_F(SimEnclosureTest, EnclosureListCountsElementsAndReportsPartnerAndFault)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request list = Dcmd(0x09010000, 4616);
    EXPECT_EQ(list.At(0, 4), 2u);
    const std::size_t first = 8;
    const std::size_t second = 8 + 144;
    EXPECT_EQ(list.At(first + 4), 2u);
    EXPECT_EQ(list.At(first + 5), 3u);
    EXPECT_EQ(list.At(first + 6), 2u);
    EXPECT_EQ(list.At(first + 9), 1u);  // a critical element is a fault
    EXPECT_EQ(list.At(first + 16, 2), 41u);
    EXPECT_EQ(list.At(second + 4), 1u);
    EXPECT_EQ(list.At(second + 9), 0u);
    EXPECT_EQ(list.At(second + 16, 2), 40u);
}

TEST_F(SimEnclosureTest, PatchesAndFaultsNameAPassThroughByTargetAndCdb)
{
    Json state = State({Controller()});
    state["patches"] = {{{"function", "scsi_passthru"}, {"opcode", "0x1C"}, {"target", 40}, {"cdb", "1c0102"},
                         {"offset", 10}, {"hex", "ff"}}};
    state["faults"] = {{{"function", "scsi_passthru"}, {"opcode", "0x1C"}, {"cdb", "1c0101"}, {"status", 8}}};
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Page(40, 1).Fw(), 8u);
    Request status = Page(40, 2);
    EXPECT_EQ(status.Fw(), 0u);
    EXPECT_EQ(status.At(10), 0xFFu);
    EXPECT_EQ(Page(40, 0).At(10), 0u);  // another page: no patch (and the page is shorter)
    Close();
    EXPECT_EQ(ReadState()["patches"][0]["cdb"], "1c0102");
}

TEST_F(SimEnclosureTest, ElementsAreReadCheckedAndWrittenBackInTheirShortestForm)
{
    // The clock moves with every run, so every run writes the state back.
    Json state = State({Controller()});
    state["clock"] = {{"now", 1000}, {"advance_per_run", 1}};
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    const Json written = ReadState()["controllers"];
    const Json& enclosures = written[0]["enclosures"];
    EXPECT_EQ(enclosures[1]["power_supplies"], 1);
    EXPECT_EQ(enclosures[0]["fans"][0], (Json{{"status", "ok"}, {"speed", 7}}));
    EXPECT_EQ(enclosures[0]["voltage_sensors"][0]["millivolts"], -1200);
    EXPECT_EQ(enclosures[0]["slot_elements"], "device");
    EXPECT_EQ(enclosures[0]["partner"], 41);
    EXPECT_TRUE(enclosures[1]["fru"].is_null());
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    EXPECT_EQ(ReadState()["controllers"], written);

    const auto refused = [&](const char* field, Json value) {
        Json controller = Controller();
        controller["enclosures"][0][field] = std::move(value);
        WriteState(State({controller}));
        return Init() == lp::kLibStateError;
    };
    EXPECT_TRUE(refused("power_supplies", Json::array({{{"speed", 3}}})));
    EXPECT_TRUE(refused("fans", Json::array({{{"status", "broken"}}})));
    EXPECT_TRUE(refused("temperature_sensors", Json::array({{{"celsius", 300}}})));
    EXPECT_TRUE(refused("alarms", 256));
    EXPECT_TRUE(refused("partner", 40));  // itself
    EXPECT_TRUE(refused("partner", 77));
    EXPECT_FALSE(refused("partner", nullptr));
}

}  // namespace
}  // namespace simtest
