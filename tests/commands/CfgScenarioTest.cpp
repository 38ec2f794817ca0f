// Whole stories of the configuration commands on one state file, run after run: a RAID 5 on
// four drives seen by the reports, a second virtual drive in its free space, the first one
// deleted, the configuration cleared, one RAID 0 per drive; spanned drives; the free space
// report.
#include <string>
#include <vector>

#include "ZepUtil/TextHelpers.h"
#include "commands/CfgTestSupport.h"

namespace {

using namespace cfg_e2e;
using report_test::Outline;

class CfgScenarioTest : public CfgTest {};

TEST_F(CfgScenarioTest, Raid5FromCreationToOneRaid0PerDrive)
{
    WriteState(EmptyState());

    // A RAID 5 of 100 GB on slots 0-3 with the policies of the command line.
    RunResult r = Run({"-CfgLdAdd", "-r5[252:0,252:1,252:2,252:3]", "WT", "RA", "Cached", "CachedBadBBU", "-sz100GB",
                       "-strpsz128", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    nlohmann::json vd = Vd(0);
    ASSERT_FALSE(vd.is_null());
    EXPECT_EQ(vd["raid_level"], 5);
    // Whole blocks on each of the three data drives.
    const unsigned long long perMember = (100ULL * kGbBlocks + 2) / 3;
    EXPECT_EQ(vd["blocks"], perMember * 3);
    EXPECT_EQ(vd["start_block"], 0);
    EXPECT_EQ(vd["strip_size_kb"], 128);
    EXPECT_EQ(vd["write_policy"], "write_through");
    EXPECT_EQ(vd["write_back_with_bad_bbu"], true);
    EXPECT_EQ(vd["read_policy"], "read_ahead");
    EXPECT_EQ(vd["io_policy"], "cached");
    EXPECT_EQ(vd["power_save_policy"], "default");
    EXPECT_EQ(SpanDrives(0), (std::vector<std::vector<unsigned>>{{8, 9, 10, 11}}));
    for (unsigned id : {8u, 9u, 10u, 11u})
        EXPECT_EQ(DriveState(id), "online") << id;

    r = Run({"-LDInfo", "-L0", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "RAID Level", "Size:", "Strip Size", "Number Of Drives", "Default Cache"}),
              "Virtual Drive: 0 (Target Id: 0)\nRAID Level: Primary-5, Secondary-0, RAID Level Qualifier-3\n"
              "Size: 100.0 GB\nStrip Size: 128 KB\nNumber Of Drives: 4\n"
              "Default Cache Policy: WriteThrough, ReadAhead, Cached, Write Cache OK if Bad BBU\n");
    r = Run({"-CfgDsply", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Number of DISK", "DISK GROUP", "SPAN:", "Virtual Drive:", "Slot Number"}),
              "Number of DISK GROUPS: 1\nDISK GROUP: 0\nSPAN: 0\nVirtual Drive: 0 (Target Id: 0)\n"
              "Slot Number: 0\nSlot Number: 1\nSlot Number: 2\nSlot Number: 3\n");

    // The same drives again: the second virtual drive goes into the free space behind the first.
    r = Run({"-CfgLdAdd", "-r5[252:0,252:1,252:2,252:3]", "-sz50GB", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 1\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    vd = Vd(1);
    ASSERT_FALSE(vd.is_null());
    EXPECT_EQ(vd["blocks"], (50ULL * kGbBlocks + 2) / 3 * 3);
    EXPECT_EQ(vd["arrays"], Vd(0)["arrays"]);
    EXPECT_EQ(vd["start_block"], perMember);
    EXPECT_EQ(Config()["arrays"].size(), 1u);

    r = Run({"-CfgLdDel", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Deleted Virtual Drive-0(target id-0)\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(Vd(0).is_null());
    EXPECT_FALSE(Vd(1).is_null());
    EXPECT_EQ(SpanDrives(1), (std::vector<std::vector<unsigned>>{{8, 9, 10, 11}}));

    // Data would be lost: only a forced clear goes through.
    const nlohmann::json before = Config();
    r = Run({"-CfgClr", "-a0"});
    EXPECT_EQ(r.out, "Performing this operation will result in data corruption or data lost, use -force option if you "
                     "are sure to perform this operation. \n\nAdapter 0: Failed to Clear Configuration.\n"
                     "\nFW error description: Unknown error\n" + Exit(102));
    EXPECT_EQ(r.exitCode, 102);
    EXPECT_EQ(Config(), before);
    r = Run({"-CfgClr", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Configuration is Cleared.\n" + kExitOk);
    EXPECT_TRUE(Vds().empty());
    EXPECT_TRUE(Config()["arrays"].empty());
    EXPECT_EQ(DriveState(8), "unconfigured_good");

    // One RAID 0 per drive, in slot order, each as large as its drive.
    r = Run({"-CfgEachDskRaid0", "WT", "-a0"});
    std::string expected;
    for (unsigned slot = 0; slot < 10; ++slot)
        expected += "Adapter 0: Created VD " + std::to_string(slot) + "\nConfigured physical device at Encl-252:Slot-" +
                    std::to_string(slot) + ".\n";
    expected += "\n10 physical devices are Configured on adapter 0.\n";
    EXPECT_EQ(r.out, expected + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(Vds().size(), 10u);
    for (unsigned t = 0; t < 10; ++t) {
        EXPECT_EQ(Vd(t)["raid_level"], 0) << t;
        EXPECT_EQ(Vd(t)["write_policy"], "write_through") << t;
        EXPECT_EQ(SpanDrives(t), (std::vector<std::vector<unsigned>>{{8 + t}})) << t;
    }

    // Nothing left to configure.
    r = Run({"-CfgEachDskRaid0", "-a0"});
    EXPECT_EQ(r.out, "\nThere is no configurable physical drive available on adapter 0.\n" + Exit(12));
    EXPECT_EQ(r.exitCode, 12);
}

TEST_F(CfgScenarioTest, SpannedDriveAndSeveralSizesWithTheirPlaces)
{
    WriteState(AllHddState());
    RunResult r = Run({"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-sz10GB", "-sz20GB",
                       "-sz30GB", "-strpsz64", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\nAdapter 0: Created VD 1\nAdapter 0: Created VD 2\n"
                     "\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(SpanDrives(0), (std::vector<std::vector<unsigned>>{{8, 9}, {10, 11}}));
    EXPECT_EQ(SpanDrives(2), SpanDrives(0));
    EXPECT_EQ(Vd(0)["raid_level"], 10);
    EXPECT_EQ(Vd(0)["strip_size_kb"], 64);
    // RAID 10 of two spans of two: two data drives; each drive follows the one before.
    EXPECT_EQ(Vd(1)["start_block"], 5u * kGbBlocks);
    EXPECT_EQ(Vd(2)["start_block"], 15u * kGbBlocks);

    // Delete the middle one: -AfterLd places the next right behind drive 0, in its hole.
    r = Run({"-CfgLdDel", "-L1", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    r = Run({"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-sz2GB", "-AfterLd0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 1\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(Vd(1)["start_block"], 5u * kGbBlocks);

    // Right behind drive 0 there is no free extent any more.
    r = Run({"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-sz1GB", "-AfterLd0", "-a0"});
    EXPECT_EQ(r.out, "\nAdapter 0: Configure Adapter Failed\n" + Exit(3));
    EXPECT_EQ(Vds().size(), 3u);

    r = Run({"-CfgFreeSpaceinfo", "-a0"});
    // The hole of 9 GB on each member between drives 1 and 2 gives a mirror span 9 GB, and the
    // rest of the drives follows; both spans alike.
    const std::string span = "Number of Free Space Slots: 2\nSlot: 0 Free space: 0x1200000 blocks(9.0 GB)\nSlot: 1 ";
    EXPECT_EQ(r.out.rfind("Number of DISK GROUPS: 1\n\nDISK GROUP: 0 Number of Spans: 2\n\nSPAN: 0 " + span, 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("\nSPAN: 1 " + span), std::string::npos) << r.out;
}

TEST_F(CfgScenarioTest, DedicatedHotSparesOfTheFirstVirtualDrive)
{
    WriteState(EmptyState());
    RunResult r = Run({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz10GB", "-sz20GB", "-Hsp[252:2]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\n"
                     "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-2 as Hot Spare Success.\n"
                     "Adapter 0: Created VD 1\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    const nlohmann::json config = Config();
    ASSERT_EQ(config["spares"].size(), 1u);
    EXPECT_EQ(config["spares"][0]["device_id"], 10);
    EXPECT_EQ(config["spares"][0]["arrays"], Vd(0)["arrays"]);
    EXPECT_EQ(config["spares"][0]["revertible"], true);
    EXPECT_EQ(Vd(1)["start_block"], 10u * kGbBlocks);

    // A spare that is not there: the virtual drive stays, the command fails.
    r = Run({"-CfgLdAdd", "-r1[252:3,252:4]", "-Hsp[252:11]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 2\n\n\nAdapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n"
                     "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-11 as Hot Spare Failed.\n"
                     "\nAdapter 0: Configure Adapter Failed\n" + Exit(12));
    EXPECT_EQ(r.exitCode, 12);
    EXPECT_FALSE(Vd(2).is_null());
}

TEST_F(CfgScenarioTest, SpunDownDrivesAreSpunUpBeforeTheirConfiguration)
{
    // The controller wants spun-down drives up before a configuration and spins two at a time.
    nlohmann::json state = AllHddState();
    Ctrl(state)["info"]["capabilities"].push_back("spin_up_before_config");
    Ctrl(state)["properties"]["spinup_drive_count"] = 2;
    for (unsigned id : {8u, 9u, 10u, 11u, 12u, 13u})
        DriveOf(state, id)["spun_down"] = true;
    WriteState(state);

    RunResult r = Run({"-CfgLdAdd", "-r5[252:0,252:1,252:2,252:3,252:4]", "-a0"});
    EXPECT_EQ(r.out, "\nSpun Down PD's are being Spun Up for Configuration\n"
                     "Out of 5 PD's Spun Down 2 PD's are Spun Up so far\n"
                     "Out of 5 PD's Spun Down 4 PD's are Spun Up so far\n"
                     "\nSpin up of 5 drives is successful\n"
                     "Adapter 0: Created VD 0\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(SpanDrives(0), (std::vector<std::vector<unsigned>>{{8, 9, 10, 11, 12}}));

    // One RAID 0 per drive spins each drive up on its own.
    r = Run({"-CfgEachDskRaid0", "-a0"});
    EXPECT_EQ(r.out.rfind("\n Device at Enclosure - 252, Slot - 5 is being Spin Up for Configuration"
                          "\n Device at Enclosure - 252, Slot - 5 Spun Up for Configuration Creation\n"
                          "Adapter 0: Created VD 1\nConfigured physical device at Encl-252:Slot-5.\n"
                          "Adapter 0: Created VD 2\nConfigured physical device at Encl-252:Slot-6.\n",
                          0),
              0u)
        << r.out;
    EXPECT_EQ(r.exitCode, 0);
    const nlohmann::json after = ReadState();
    for (const auto& drive : after["controllers"][0]["drives"])
        EXPECT_EQ(drive["spun_down"], false) << drive["device_id"];
}

TEST_F(CfgScenarioTest, FreeSpaceReportOfAnEmptyAndOfAPartlyUsedController)
{
    WriteState(EmptyState());
    RunResult r = Run({"-CfgFreeSpaceinfo", "-a0"});
    EXPECT_EQ(r.out, "Number of DISK GROUPS: 0\n\n" + kExitOk);

    ASSERT_EQ(Run({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz100MB", "-a0"}).exitCode, 0);
    nlohmann::json state = ReadState();
    const unsigned long long perMember = Ctrl(state)["config"]["arrays"][0]["blocks"];
    const unsigned long long free = perMember - 204800;
    char expected[512];
    char size[32];
    KBToSizeText(free / 2, size);
    std::snprintf(expected, sizeof expected,
                  "Number of DISK GROUPS: 1\n\nDISK GROUP: 0 Number of Spans: 1\n\n"
                  "SPAN: 0 Number of Free Space Slots: 1\nSlot: 0 Free space: 0x%llx blocks(%s)\n"
                  "SPAN: 0 Total Number of Free Space : 0x%llx blocks(%s)\n\n",
                  free, size, free, size);
    r = Run({"-CfgFreeSpaceinfo", "-a0"});
    EXPECT_EQ(r.out, std::string(expected) + kExitOk);

    // A full array has no free slot.
    ASSERT_EQ(Run({"-CfgLdAdd", "-r1[252:2,252:3]", "-a0"}).exitCode, 0);
    r = Run({"-CfgFreeSpaceinfo", "-a0"});
    EXPECT_NE(r.out.find("DISK GROUP: 1 Number of Spans: 1\n\nSPAN: 0 Number of Free Space Slots: 0\n"),
              std::string::npos)
        << r.out;
}

}  // namespace
