// The configuration image and the virtual-drive blocks of the simulated controller (list,
// information block, property record, progress, allowed operations), byte by byte at their
// named offsets, from a hand-written state; and the default topology's sizes.
#include "SimHarness.h"

namespace simtest {
namespace {

constexpr std::size_t kVds = 32 + 3 * 288;    // virtual-drive records
constexpr std::size_t kSpares = kVds + 3 * 256;
constexpr std::size_t kFullSize = kSpares + 40;

class SimConfigBlocksTest : public SimTest {
protected:
    // Eight drives in enclosure 252; sizes counted after the 2048 blocks the controller keeps.
    static Json Drive(int id, std::uint64_t usable, const char* state)
    {
        return Json{{"device_id", id}, {"seq", 10 + id}, {"enclosure", 252}, {"slot", id}, {"state", state},
                    {"blocks", usable + 2048}};
    }

    // A RAID 50 over arrays 0 and 1 (one row missing), two RAID 1 virtual drives sharing array
    // 2, a global spare, and a consistency check on target 3, suspended.
    static Json Config()
    {
        Json drives = Json::array({Drive(1, 1000000, "online"), Drive(2, 1000000, "online"), Drive(3, 1000000, "online"),
                                   Drive(4, 1200000, "online"), Drive(5, 900000, "hot_spare"),
                                   Drive(6, 1100000, "online"), Drive(7, 500000, "online"), Drive(8, 500000, "online")});
        Json config = {
            {"arrays",
             {{{"ref", 0}, {"drives", {1, 2, 3}}}, {{"ref", 1}, {"drives", {4, nullptr, 6}}}, {{"ref", 2}, {"drives", {7, 8}}}}},
            {"virtual_drives",
             {{{"target_id", 2}, {"seq", 7}, {"name", "big"}, {"raid_level", 50}, {"arrays", {0, 1}},
               {"strip_size_kb", 128}, {"write_policy", "write_back"}, {"read_policy", "adaptive"},
               {"io_policy", "cached"}, {"access_policy", "read_only"}, {"disk_cache_policy", "disabled"},
               {"bgi_disabled", true}, {"power_save_policy", "automatic"}, {"encryption", "controller"},
               {"pi_type", 1}, {"consistent", true}, {"bad_blocks", true}, {"preserved_cache", true},
               {"snapshot", true}, {"ssd_cache", true}},
              {{"target_id", 4}, {"name", "b"}, {"raid_level", 1}, {"arrays", {2}}, {"start_block", 200000}},
              {{"target_id", 3}, {"seq", 2}, {"name", "a"}, {"raid_level", 1}, {"arrays", {2}}, {"blocks", 200000},
               {"start_block", 0}}}},
            {"spares", {{{"device_id", 5}}}}};
        return Json{{"properties", {{"coercion_mode", "none"}}},
                    {"enclosures", {{{"device_id", 252}, {"slots", 12}}}},
                    {"drives", drives},
                    {"config", config},
                    {"operations",
                     {{{"kind", "consistency_check"}, {"target_id", 3}, {"started", kNow - 100}, {"seconds", 400},
                       {"suspended_at", kNow - 50}}}}};
    }

    void SetUp() override
    {
        SimTest::SetUp();
        Json state = State({Config()});
        state["clock"] = {{"now", kNow}};
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }
};

TEST_F(SimConfigBlocksTest, ConfigurationImageIsCutAtTheCallersLength)
{
    Request head = Dcmd(0x04010000, 616);
    EXPECT_EQ(head.Fw(), 0u);
    EXPECT_EQ(head.Count(), 616u);
    EXPECT_EQ(head.At(0, 4), kFullSize);
    EXPECT_EQ(head.At(4, 2), 3u);
    EXPECT_EQ(head.At(6, 2), 288u);
    EXPECT_EQ(head.At(8, 2), 3u);
    EXPECT_EQ(head.At(10, 2), 256u);
    EXPECT_EQ(head.At(12, 2), 1u);
    EXPECT_EQ(head.At(14, 2), 40u);
    EXPECT_TRUE(head.GuardIntact());

    Request all = Dcmd(0x04010000, 4096);
    EXPECT_EQ(all.Count(), kFullSize);
    EXPECT_EQ(all.Slice(0, 616), head.Slice(0, 616));

    // Arrays: size on each member = the smallest present member; a missing row is 0xFFFF.
    const std::size_t second = kImageArrays + 288;
    EXPECT_EQ(all.At(kImageArrays, 8), 1000000u);
    EXPECT_EQ(all.At(kImageArrays + 8), 3u);
    EXPECT_EQ(all.At(second, 8), 1100000u);
    EXPECT_EQ(all.At(second + 10, 2), 1u);
    EXPECT_EQ(all.At(second + 32, 2), 4u);
    EXPECT_EQ(all.At(second + 34, 2), 14u);
    EXPECT_EQ(all.At(second + 36), 0x18u);
    EXPECT_EQ(all.At(second + 40, 2), 0xFFFFu);
    EXPECT_EQ(all.At(second + 48, 2), 6u);
    EXPECT_EQ(all.At(kImageArrays + 2 * 288, 8), 500000u);

    // The spare record of the global spare.
    EXPECT_EQ(all.At(kSpares, 2), 5u);
    EXPECT_EQ(all.At(kSpares + 2, 2), 15u);
    EXPECT_EQ(all.At(kSpares + 4), 0u);
    EXPECT_EQ(all.At(kSpares + 7), 0u);
}

TEST_F(SimConfigBlocksTest, SpannedVirtualDriveRecord)
{
    Request all = Dcmd(0x04010000, 4096);
    const std::size_t v = kVds;
    const std::pair<std::size_t, std::uint64_t> bytes[] = {
        {0, 2},   {20, 0x6D}, {21, 2},  {22, 2},  {23, 0x6C}, {24, 1},  {25, 1},  {26, 1},  {27, 2},
        {28, 1},  {29, 2},    {30, 0},  {32, 5},  {33, 3},    {34, 0},  {35, 8},  {36, 3},  {37, 2},
        {38, 2},  {39, 0},    {40, 1},  {41, 1},  {43, 1},    {45, 1},  {47, 1},
    };
    for (const auto& [offset, value] : bytes)
        EXPECT_EQ(all.At(v + offset), value) << "record byte " << offset;
    EXPECT_EQ(all.At(v + 2, 2), 7u);
    EXPECT_EQ(all.Text(v + 4, 16), "big");
    // RAID 50 of two spans of three: four data drives of 1000000 blocks.
    EXPECT_EQ(all.At(v + 48, 8), 4000000u);
    for (std::size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(all.At(v + 64 + 24 * s, 8), 0u);
        EXPECT_EQ(all.At(v + 72 + 24 * s, 8), 1000000u);
        EXPECT_EQ(all.At(v + 80 + 24 * s, 2), s);
    }
    EXPECT_EQ(all.At(v + 64 + 48, 8 * 3), 0u);

    // Two RAID 1 drives on one array: the second starts where the first ends and takes the rest.
    const std::size_t b = kVds + 256;
    EXPECT_EQ(all.At(b + 32), 1u);
    EXPECT_EQ(all.At(b + 33), 0u);
    EXPECT_EQ(all.At(b + 48, 8), 300000u);
    EXPECT_EQ(all.At(b + 64, 8), 200000u);
    EXPECT_EQ(all.At(b + 72, 8), 300000u);
    EXPECT_EQ(all.At(b + 38), 3u);
}

TEST_F(SimConfigBlocksTest, VirtualDriveListAndInformationBlock)
{
    Request list = Dcmd(0x03010000, 1032);
    EXPECT_EQ(list.Count(), 1032u);
    EXPECT_EQ(list.At(0, 4), 3u);
    const std::uint64_t expected[][4] = {{2, 7, 2, 4000000}, {3, 2, 3, 200000}, {4, 0, 3, 300000}};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t e = 8 + 16 * i;
        EXPECT_EQ(list.At(e), expected[i][0]);
        EXPECT_EQ(list.At(e + 2, 2), expected[i][1]);
        EXPECT_EQ(list.At(e + 4), expected[i][2]);
        EXPECT_EQ(list.At(e + 8, 8), expected[i][3]);
    }

    Request config = Dcmd(0x04010000, 4096);
    Request big = DcmdTo(0x03020000, 384, {2});
    EXPECT_EQ(big.Count(), 384u);
    EXPECT_EQ(big.Slice(0, 256), config.Slice(kVds, 256));
    EXPECT_EQ(big.At(256, 8), 4000000u);
    EXPECT_EQ(big.At(264, 4), 0u);
    EXPECT_EQ(big.At(300, 2), 0u);

    // The suspended consistency check: 50 of 400 seconds.
    Request a = DcmdTo(0x03020000, 384, {3});
    EXPECT_EQ(a.At(264, 4), 1u);
    EXPECT_EQ(a.At(268, 2), 50u * 65535 / 400);
    EXPECT_EQ(a.At(270, 2), 50u);

    // The controller information counts them: three, one degraded, one an SSD cache.
    Request info = Dcmd(0x01010000, 2048);
    EXPECT_EQ(info.At(1472, 2), 3u);
    EXPECT_EQ(info.At(1474, 2), 1u);
    EXPECT_EQ(info.At(1938, 2), 1u);

    for (std::uint32_t opcode : {0x03020000u, 0x03030000u, 0x03080000u, 0x030B0000u})
        EXPECT_EQ(DcmdTo(opcode, 384, {9}).Fw(), 12u) << std::hex << opcode;
}

TEST_F(SimConfigBlocksTest, VirtualDriveProgressAndAllowedOperations)
{
    Request progress = DcmdTo(0x03080000, 36, {3});
    EXPECT_EQ(progress.Count(), 36u);
    EXPECT_EQ(progress.At(0, 4), 1u);
    EXPECT_EQ(progress.At(4, 2), 50u * 65535 / 400);
    EXPECT_EQ(progress.At(6, 2), 50u);
    EXPECT_EQ(progress.At(24), 1u);
    EXPECT_EQ(DcmdTo(0x03080000, 36, {4}).Slice(0, 36), Bytes(36, 0));

    // Target 3: a mirror whose suspended check may resume. Target 4: a mirror with nothing
    // running may start a check and a secure erase; it fills its array, so it cannot grow.
    // Target 2: degraded.
    EXPECT_EQ(DcmdTo(0x030B0000, 4, {3}).At(0, 4), 0x050000u);
    EXPECT_EQ(DcmdTo(0x030B0000, 4, {4}).At(0, 4), 0x210004u);
    EXPECT_EQ(DcmdTo(0x030B0000, 4, {2}).At(0, 4), 0u);
}

TEST_F(SimConfigBlocksTest, PropertyRecordReadAndWrite)
{
    Request config = Dcmd(0x04010000, 4096);
    Request read = DcmdTo(0x03030000, 32, {2, 0, 7, 0});
    EXPECT_EQ(read.Count(), 32u);
    EXPECT_EQ(read.Slice(0, 27), config.Slice(kVds, 27));
    EXPECT_EQ(read.Slice(27, 5), Bytes(5, 0));

    Bytes record = read.Slice(0, 32);
    const std::string name = "renamed";
    std::fill(record.begin() + 4, record.begin() + 20, 0);
    std::copy(name.begin(), name.end(), record.begin() + 4);
    record[20] = 0x05;  // write back, read ahead, direct I/O
    record[21] = 0;
    record[22] = 1;
    record[24] = 0;
    record[25] = 0xFE;

    const std::string before = ReadText();
    EXPECT_EQ(Write(0x03040000, record, {2, 0, 6, 0}).Fw(), 4u);  // an old sequence number
    EXPECT_EQ(Write(0x03040000, record, {9, 0, 7, 0}).Fw(), 12u);
    for (const auto& [offset, value] : {std::pair<std::size_t, std::uint8_t>{20, 0x02}, {20, 0x08}, {20, 0x20},
                                        {21, 1}, {22, 3}, {25, 5}, {4, 0x07}, {4, 0xC3}, {19, 'x'}}) {
        Bytes bad = record;
        bad[offset] = value;
        EXPECT_EQ(Write(0x03040000, bad, {2, 0, 7, 0}).Fw(), 3u) << "byte " << offset;
    }
    EXPECT_EQ(Write(0x03040000, Bytes(31, 0), {2, 0, 7, 0}).Fw(), 3u);
    EXPECT_EQ(ReadText(), before);

    EXPECT_EQ(Write(0x03040000, record, {2, 0, 7, 0}).Fw(), 0u);
    Request after = DcmdTo(0x03030000, 32, {2});
    EXPECT_EQ(after.At(2, 2), 8u);
    EXPECT_EQ(after.Text(4, 16), name);
    const std::pair<std::size_t, std::uint64_t> bytes[] = {{20, 0x05}, {21, 0}, {22, 1}, {23, 0x04}, {24, 0}, {25, 0xFE}, {26, 0xFE}};
    for (const auto& [offset, value] : bytes)
        EXPECT_EQ(after.At(offset), value) << "byte " << offset;

    // Saved, with the sizes the state file left out filled in.
    const Json vd = ReadState()["controllers"][0]["config"]["virtual_drives"][0];
    EXPECT_EQ(vd["name"], name);
    EXPECT_EQ(vd["seq"], 8);
    EXPECT_EQ(vd["write_policy"], "write_back");
    EXPECT_EQ(vd["read_policy"], "read_ahead");
    EXPECT_EQ(vd["io_policy"], "direct");
    EXPECT_EQ(vd["access_policy"], "read_write");
    EXPECT_EQ(vd["disk_cache_policy"], "enabled");
    EXPECT_EQ(vd["bgi_disabled"], false);
    EXPECT_EQ(vd["power_save_policy"], "none");
    EXPECT_EQ(vd["blocks"], 4000000);
    EXPECT_EQ(vd["start_block"], 0);
    EXPECT_EQ(ReadState()["controllers"][0]["config"]["arrays"][1]["blocks"], 1100000);

    // The same record again changes nothing; the new sequence number is needed.
    const std::string saved = ReadText();
    EXPECT_EQ(Write(0x03040000, record, {2, 0, 7, 0}).Fw(), 4u);
    EXPECT_EQ(Write(0x03040000, record, {2, 0, 8, 0}).Fw(), 0u);
    EXPECT_EQ(ReadText(), saved);
}

TEST_F(SimConfigBlocksTest, PatchesNameOneVirtualDriveByTargetId)
{
    Close();
    Json state = ReadState();
    state["patches"] = {{{"opcode", "0x03020000"}, {"mailbox_byte0", 4}, {"offset", 41}, {"hex", "01"}}};
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {4}).At(41), 1u);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {3}).At(41), 0u);
}

class SimDefaultTopologyTest : public SimTest {};

TEST_F(SimDefaultTopologyTest, SizesAndPoliciesAreCoherent)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request disk = DcmdTo(0x02020000, 512, {8, 0});
    const std::uint64_t coerced = disk.At(248, 8);
    EXPECT_EQ(coerced % (1u << 21), 0u);  // whole GiB
    EXPECT_GT(coerced, 0u);
    EXPECT_EQ(disk.At(192), 2u);  // a SAS disk with two paths
    EXPECT_NE(disk.At(200, 8), disk.At(208, 8));
    EXPECT_EQ(DcmdTo(0x02020000, 512, {16, 0}).At(370), 1u);  // slot 8: an SSD
    EXPECT_GT(DcmdTo(0x02020000, 512, {16, 0}).At(187), 0u);
    EXPECT_EQ(DcmdTo(0x02020000, 512, {14, 0}).At(188), 0x04u);  // the global spare

    Request config = Dcmd(0x04010000, 4096);
    EXPECT_EQ(config.At(32, 8), coerced);
    const std::size_t data = 32 + 2 * 288;
    EXPECT_EQ(config.Text(data + 4, 16), "data");
    EXPECT_EQ(config.At(data + 20), 0x05u);  // write back, read ahead
    EXPECT_EQ(config.At(data + 35), 7u);     // 64 KB strips
    EXPECT_EQ(config.At(data + 38), 3u);
    EXPECT_EQ(config.At(data + 48, 8), 3 * coerced);  // RAID 5 of four drives
    EXPECT_EQ(config.At(data + 256 + 48, 8), coerced);  // RAID 1 of two

    EXPECT_EQ(Dcmd(0x02010000, 32).At(4, 4), 11u);
    EXPECT_EQ(Dcmd(0x09010000, 4616).At(8 + 15), 10u);
    EXPECT_EQ(Dcmd(0x07010000, 264).At(0, 4), 8u);
    EXPECT_EQ(Dcmd(0x07030000, 168).At(0), 2u);
}

}  // namespace
}  // namespace simtest
