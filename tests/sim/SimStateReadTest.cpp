// Reading the state file does not depend on how the file is written: fields in any order, a key
// given twice, fractions and texts beyond ASCII are read as the file means them.
#include "SimHarness.h"

namespace simtest {
namespace {

class SimStateReadTest : public SimTest {
protected:
    Request DriveRecord(std::uint8_t deviceId) { return DcmdTo(0x02020000, 512, {deviceId, 0}); }
};

TEST_F(SimStateReadTest, FieldsAreReadInAnyOrder)
{
    WriteText(R"({"controllers": [{
        "drives": [
          {"temperature": 41, "slot": 3, "serial": "LAST-FIRST", "state": "hot_spare", "enclosure": 252,
           "device_id": 9},
          {"slot": 4, "device_id": 10, "enclosure": 252, "temperature": 38}],
        "config": {"spares": [{"arrays": [], "device_id": 9}]},
        "enclosures": [{"slots": 12, "device_id": 252}]}],
      "format": 1})");
    ASSERT_EQ(Init(), lp::kLibOk);
    Request first = DriveRecord(9);
    ASSERT_EQ(first.Fw(), 0u);
    EXPECT_EQ(first.At(0, 2), 9u);
    EXPECT_EQ(first.At(184, 2), 0x02u);
    EXPECT_EQ(first.At(187), 41u);
    EXPECT_EQ(first.At(259), 3u);
    EXPECT_EQ(first.At(256, 2), 252u);
    EXPECT_EQ(first.Text(4 + 36, 20), "LAST-FIRST");
    Request second = DriveRecord(10);
    EXPECT_EQ(second.At(187), 38u);
    EXPECT_EQ(second.At(259), 4u);
}

TEST_F(SimStateReadTest, AKeyGivenTwiceKeepsItsLastValue)
{
    WriteText(R"({"format": 1, "controllers": [{
        "enclosures": [{"device_id": 252, "slots": 12}],
        "drives": [{"device_id": 9, "enclosure": 252, "slot": 1, "temperature": 20, "temperature": 44}]}]})");
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(DriveRecord(9).At(187), 44u);
}

TEST_F(SimStateReadTest, FractionsAndTextsBeyondAsciiAreRead)
{
    WriteText(R"({"format": 1, "controllers": [{
        "enclosures": [{"device_id": 252, "slots": 12}],
        "drives": [{"device_id": 8, "enclosure": 252, "slot": 0, "state": "online", "blocks": 4196352,
                    "serial": "S\u00e9rie-1"}],
        "config": {"arrays": [{"ref": 0, "drives": [8]}],
                   "virtual_drives": [{"target_id": 0, "raid_level": 0, "arrays": [0], "strip_size_kb": 0.5,
                                       "name": "caf)" "\xC3\xA9" R"("}]}}]})");
    ASSERT_EQ(Init(), lp::kLibOk);
    Request vd = DcmdTo(0x03020000, 384, {0});
    ASSERT_EQ(vd.Fw(), 0u);
    EXPECT_EQ(vd.At(35), 0u);  // 2^0 blocks: 512 bytes
    EXPECT_EQ(vd.Text(4, 16), "caf\xC3\xA9");
    EXPECT_EQ(DriveRecord(8).Text(4 + 36, 20), "S\xC3\xA9rie-1");
}

}  // namespace
}  // namespace simtest
