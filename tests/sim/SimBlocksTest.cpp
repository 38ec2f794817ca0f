// The firmware blocks of the simulated controller, byte by byte at their named offsets.
#include "SimHarness.h"

namespace simtest {
namespace {

class SimBlocksTest : public SimTest {};

Json Controller(int device, int bus) { return Json{{"pci", SimTest::Pci(device, bus)}}; }

TEST_F(SimBlocksTest, ListControllersGivesEveryControllerInStateOrder)
{
    for (int count : {2, 3}) {
        Json controllers = Json::array();
        for (int i = 0; i < count; ++i)
            controllers.push_back(Controller(i + 1, 3 + i));
        WriteState(State(controllers));
        ASSERT_EQ(Init(), lp::kLibOk);

        Request list(lp::kFnListControllers, 0, 4 + 64 * 16, lp::kDirFromController);
        EXPECT_EQ(list.Send(), 0);
        EXPECT_EQ(list.At(0, 4), static_cast<std::uint64_t>(count));
        EXPECT_EQ(list.Count(), 4u + 16u * count);
        for (int i = 0; i < count; ++i) {
            const std::size_t e = 4 + 16 * i;
            EXPECT_EQ(list.At(e, 4), static_cast<std::uint64_t>(i));
            EXPECT_EQ(list.At(e + 4, 2), 0x7A4Bu);
            EXPECT_EQ(list.At(e + 6, 2), static_cast<std::uint64_t>(i + 1));
            EXPECT_EQ(list.At(e + 8, 2), 0x7A4Bu);
            EXPECT_EQ(list.At(e + 10, 2), static_cast<std::uint64_t>(0x4000 + 3 + i));
            EXPECT_EQ(list.At(e + 12), static_cast<std::uint64_t>(3 + i));
            // The controller information names the same ids.
            Request info = Dcmd(0x01010000, 2048, i);
            EXPECT_EQ(info.At(0, 2), 0x7A4Bu);
            EXPECT_EQ(info.At(2, 2), static_cast<std::uint64_t>(i + 1));
            EXPECT_EQ(info.At(6, 2), static_cast<std::uint64_t>(0x4000 + 3 + i));
        }
        Close();
    }

    // Room for one entry: the count still tells how many there are.
    ASSERT_EQ(Init(), lp::kLibOk);
    Request small(lp::kFnListControllers, 0, 4 + 16 + 10, lp::kDirFromController);
    small.Send();
    EXPECT_EQ(small.At(0, 4), 3u);
    EXPECT_EQ(small.Count(), 20u);
    EXPECT_TRUE(small.GuardIntact());
}

TEST_F(SimBlocksTest, ControllerInformationFieldsAtTheirOffsets)
{
    Json ports = Json::array();
    for (int i = 0; i < 10; ++i)
        ports.push_back(0x5000000000000000 + i);
    WriteState(State({Json{
        {"pci", {{"vendor", "0x7A4B"}, {"device", "0x0002"}, {"sub_vendor", "0x1234"}, {"sub_device", "0x5678"}, {"bus", 7}, {"dev", 1}, {"fn", 2}}},
        {"info",
         {{"product_name", "Test Controller"}, {"serial", "SER123"}, {"package_build", "9.9.9-1"}, {"controller_id", 0x1234},
          {"chip_revision", "B2"}, {"host_interface", {"pcie"}}, {"host_ports", {"0x1111"}},
          {"device_interface", {"sas_6g", "sata_3g"}}, {"device_ports", ports},
          {"images", {{{"name", "APP"}, {"version", "1.2.3"}}, {{"name", "BIOS"}, {"version", "4.5"}}}},
          {"pending_images", {{{"name", "BOOT"}, {"version", "7"}}}},
          {"hardware_present", {"alarm", "tpm", "controller_temperature_sensor"}},
          {"memory_mb", 2048}, {"nvram_kb", 64}, {"flash_mb", 32}, {"fw_cache_mb", 1500},
          {"memory_errors", {{"correctable", 3}, {"uncorrectable", 4}}}, {"cluster", {{"permitted", true}}},
          {"temperatures", {{"roc", 70}, {"controller", 45}}}, {"expander_firmware", "EXP-1"}, {"ecc_bucket_count", 9},
          {"raid_levels", {"0", "1", "prl11"}}, {"drive_support", {"sata", "ssd_hdd_mix_in_vd"}},
          {"capabilities", {"allowed_operations", "connector_info", "spanning", "bg_op_suspend_resume", "perf_monitor", "emergency_spares"}},
          {"status_flags", {"security_key_assigned"}},
          {"limits", {{"max_arms_per_vd", 32}, {"max_vds", 64}, {"max_parallel_commands", 928}, {"max_transfer_sectors", 70000},
                      {"min_strip_size_kb", 0.5}, {"max_strip_size_kb", 1024}, {"max_vds_per_array", 16}}}}},
        {"properties",
         {{"predictive_fail_poll_s", 300}, {"rebuild_rate", 42}, {"auto_rebuild", false}, {"battery_warning", true},
          {"host_request_reordering", false}, {"coercion_mode", "1gb"}, {"ecc_bucket_leak_rate_min", 1440},
          {"use_fde_only", true}, {"jbod_enabled", true}, {"spin_down_time", 30}, {"max_spinup_per_minute", 3}}}}}));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request info = Dcmd(0x01010000, 2048);
    ASSERT_EQ(info.Count(), 2048u);

    const std::pair<std::size_t, std::uint64_t> u16s[] = {
        {0, 0x7A4B},  {2, 0x0002},  {4, 0x1234},  {6, 0x5678}, {8, 0x1234},  {1486, 64}, {1488, 2048},
        {1490, 32},   {1492, 3},    {1494, 4},    {1524, 9},   {1954, 1500}, {1464, 928}, {1538, 300},
        {1558, 1440}, {1574, 30},
    };
    for (const auto& [offset, value] : u16s)
        EXPECT_EQ(info.At(offset, 2), value) << "u16 at " << offset;
    const std::pair<std::size_t, std::uint64_t> u8s[] = {
        {32, 0x02},   {39, 1},      {104, 0x18},  {111, 10},   {1456, 0x42}, {1457, 0x08}, {1496, 1},
        {1497, 0},    {1500, 0x03}, {1501, 0x06}, {1505, 0x01}, {1506, 0x60}, {1509, 0x08}, {1520, 0x42},
        {1528, 0x02}, {1340, 32},   {1343, 64},   {1512, 0},   {1513, 11},   {1928, 16},   {1544, 42},
        {1553, 2},    {1555, 1},    {1556, 0},    {1563, 1},   {1568, 0x08}, {1569, 0x20}, {1956, 0x80},
        {1957, 0x01}, {1992, 3},    {1993, 70},   {1994, 45},
    };
    for (const auto& [offset, value] : u8s)
        EXPECT_EQ(info.At(offset), value) << "byte " << offset;
    EXPECT_EQ(info.At(1468, 4), 70000u);
    EXPECT_EQ(info.Text(10, 2), "B2");
    EXPECT_EQ(info.Text(1344, 80), "Test Controller");
    EXPECT_EQ(info.Text(1424, 32), "SER123");
    EXPECT_EQ(info.Text(1600, 96), "9.9.9-1");
    EXPECT_EQ(info.Text(1940, 14), "EXP-1");
    EXPECT_EQ(info.At(40, 8), 0x1111u);
    EXPECT_EQ(info.At(112, 8), 0x5000000000000000u);
    EXPECT_EQ(info.At(112 + 56, 8), 0x5000000000000007u);
    EXPECT_EQ(info.At(1696, 8), 0x5000000000000008u);
    EXPECT_EQ(info.At(1704, 8), 0x5000000000000009u);
    EXPECT_EQ(info.At(180, 4), 2u);
    EXPECT_EQ(info.Text(184, 8), "APP");
    EXPECT_EQ(info.Text(192, 64), "1.2.3");
    EXPECT_EQ(info.Text(184 + 72, 8), "BIOS");
    EXPECT_EQ(info.Text(184 + 72 + 8, 64), "4.5");
    EXPECT_EQ(info.At(760, 4), 1u);
    EXPECT_EQ(info.Text(764, 8), "BOOT");
}

TEST_F(SimBlocksTest, DeviceCountsFollowTheDrivesAndVirtualDrives)
{
    Json drives = Json::array();
    const char* states[] = {"online", "online", "online", "offline", "online", "online", "online", "failed",
                            "online", "online", "online", "unconfigured_bad", "unconfigured_good",
                            "online", "online", "rebuild", "failed", "online", "online", "online", "online"};
    for (int i = 0; i < 21; ++i)
        drives.push_back({{"device_id", i + 1}, {"enclosure", 252}, {"slot", i}, {"state", states[i]}, {"smart_alert", i == 12}});
    const Json config = {
        {"arrays",
         {{{"ref", 0}, {"drives", {1, 2, 3, 4}}}, {{"ref", 1}, {"drives", {5, 6, 7, 8}}},
          {{"ref", 2}, {"drives", {9, nullptr}}}, {{"ref", 3}, {"drives", {10, 11}}},
          // A RAID 60 whose first span lost two drives is degraded, not offline.
          {{"ref", 4}, {"drives", {14, 15, 16, 17}}}, {{"ref", 5}, {"drives", {18, 19, 20, 21}}}}},
        {"virtual_drives",
         {{{"target_id", 0}, {"raid_level", 5}, {"arrays", {0}}}, {{"target_id", 1}, {"raid_level", 6}, {"arrays", {1}}},
          {{"target_id", 2}, {"raid_level", 0}, {"arrays", {2}}}, {{"target_id", 3}, {"raid_level", 1}, {"arrays", {3}}},
          {{"target_id", 4}, {"raid_level", 60}, {"arrays", {4, 5}}}}}};
    WriteState(State({Json{{"enclosures", {{{"device_id", 252}, {"slots", 24}}}}, {"drives", drives}, {"config", config}}}));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request info = Dcmd(0x01010000, 2048);
    EXPECT_EQ(info.At(1472, 2), 5u);   // virtual drives
    EXPECT_EQ(info.At(1474, 2), 3u);   // degraded: the RAID 5, the partially degraded RAID 6, the RAID 60
    EXPECT_EQ(info.At(1476, 2), 1u);   // offline: the RAID 0 with a missing row
    EXPECT_EQ(info.At(1478, 2), 22u);  // physical devices: 21 disks and the enclosure
    EXPECT_EQ(info.At(1480, 2), 21u);
    EXPECT_EQ(info.At(1482, 2), 1u);   // critical: a SMART alert
    EXPECT_EQ(info.At(1484, 2), 3u);   // failed and unconfigured bad
}

TEST_F(SimBlocksTest, DefaultsFieldsAtTheirOffsets)
{
    WriteState(State({Json{{"defaults",
                             {{"sas_address", "0x500A4B0000C0A000"}, {"phy_polarity", 3}, {"strip_size_kb", 64},
                              {"write_policy", "adaptive"}, {"read_policy", "read_ahead"}, {"smart_mode", "mode2"},
                              {"coercion_mode", "128mb"}, {"spin_down_mode", "internal_external"},
                              {"allowed_device_type", "sata_only"}, {"direct_pd_mapping", true}, {"backplane_detect", "none"},
                              {"uncertified_drives", "warn_allow"}, {"max_vds_per_array", "64"}, {"power_saving_option", 5},
                              {"default_spin_down_min", 300}, {"defaults_extent", 72}, {"enable_jbod", true},
                              {"tty_log_in_flash", true}, {"break_mirror_raid_support", 2}, {"enable_shield_state", true},
                              {"cme_detect_s", 45}}}}}));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request d = Dcmd(0x010E0201, 72);
    ASSERT_EQ(d.Count(), 72u);
    EXPECT_EQ(d.At(0, 8), 0x500A4B0000C0A000u);
    EXPECT_EQ(d.At(56, 2), 300u);
    const std::pair<std::size_t, std::uint64_t> bytes[] = {
        {8, 3},  {10, 7}, {12, 2}, {13, 1}, {16, 2}, {18, 1},  {22, 3}, {23, 2},    {31, 1},
        {41, 3}, {49, 2}, {51, 1}, {55, 5}, {62, 72}, {63, 1}, {64, 0x89}, {68, 45}, {9, 0},
    };
    for (const auto& [offset, value] : bytes)
        EXPECT_EQ(d.At(offset), value) << "byte " << offset;
}

TEST_F(SimBlocksTest, SmallControllerBlocks)
{
    WriteState(State({Json{{"pci", {{"bus", 7}, {"dev", 1}, {"fn", 2}}},
                           {"mfg", {{"date", "2023-11-06"}, {"serial", "MFG-SERIAL-16CHR"}, {"rework_date", "2024-01-22"}, {"revision", "REV-0042"}}},
                           {"battery_fru", "FRU12345"},
                           {"battery", {{"present", true}}},
                           {"kv", {{"a", "1"}, {"delaySOD", "5"}}},
                           {"oem", {{"mode", 2}, {"cluster_disable", false}, {"sas_disable", true}}}},
                      Json{{"battery_fru", "FRU12345"}}}));
    ASSERT_EQ(Init(), lp::kLibOk);

    Request mfg = Dcmd(0x010E0301, 32);
    EXPECT_EQ(mfg.At(0, 2), (23u << 9) | (11u << 5) | 6u);
    EXPECT_EQ(mfg.Text(2, 16), "MFG-SERIAL-16CHR");
    EXPECT_EQ(mfg.At(18, 2), (24u << 9) | (1u << 5) | 22u);
    EXPECT_EQ(mfg.Text(20, 8), "REV-0042");

    EXPECT_EQ(Dcmd(0x010E0302, 32).Text(0, 8), "FRU12345");
    EXPECT_EQ(Dcmd(0x010E0302, 32, 1).At(0, 8), 0u);  // no battery, no FRU

    Request kv = Dcmd(0x010B0100, 1024);
    EXPECT_EQ(kv.Count(), 1024u);
    const std::string strings("a=1\0delaySOD=5\0\0", 16);
    EXPECT_EQ(kv.At(0, 4), strings.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kv.Data() + 4), strings.size()), strings);

    for (std::uint16_t function : {lp::kFnDcmd, lp::kFnDcmdPrivate}) {
        Request oem = Dcmd(0x010E8481, 24, 0, function);
        EXPECT_EQ(oem.Count(), 24u);
        EXPECT_EQ(oem.At(0, 4), 0x010002u);
    }

    Request pci = Dcmd(0xF0010200, 112, 0, lp::kFnDriverRequest);
    EXPECT_EQ(pci.Count(), 112u);
    EXPECT_EQ(pci.At(0, 4), 7u);
    EXPECT_EQ(pci.At(4), 1u);
    EXPECT_EQ(pci.At(5), 2u);
    EXPECT_EQ(pci.At(8, 2), 0x7A4Bu);
    EXPECT_EQ(pci.At(10, 2), 0x0001u);
}

}  // namespace
}  // namespace simtest
