// -CfgAllFreeDrv and -CfgEachDskRaid0 end to end: the drives each picks, the spans it falls back
// to, the hot spares left over, the drives it passes over and its refusals.
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"

namespace {

using namespace cfg_e2e;
using SpanList = std::vector<std::vector<unsigned>>;

const std::string kConfigured = "\nAdapter 0: Configured the Adapter!!\n";

class CfgAutoTest : public CfgTest {
protected:
    // Ten hard disks, unconfigured good; slot n (device 8 + n) a little larger than slot n - 1,
    // so that the order by size is the slot order.
    nlohmann::json GrowingState()
    {
        nlohmann::json state = AllHddState();
        unsigned long long blocks = Ctrl(state)["drives"][0]["blocks"];
        for (auto& drive : Ctrl(state)["drives"]) {
            drive["blocks"] = blocks;
            blocks += 4194304;
        }
        return state;
    }
    nlohmann::json Spares() { return Config()["spares"]; }
};

TEST_F(CfgAutoTest, AllFreeDrivesIntoSpansWithTheLargestKeptAsSpares)
{
    WriteState(GrowingState());
    // Ten drives, two spares: eight in two spans of four; the smallest drives, the largest of
    // them in the first span.
    RunResult r = Run({"-CfgAllFreeDrv", "-r5", "-SpanCount", "2", "-HspCount", "2", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\n" + kConfigured + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Vd(0)["raid_level"], 50);
    EXPECT_EQ(SpanDrives(0), (SpanList{{15, 14, 13, 12}, {11, 10, 9, 8}}));
    EXPECT_EQ(Spares(), (nlohmann::json{{{"device_id", 16}, {"arrays", nlohmann::json::array()}, {"revertible", true},
                                         {"enclosure_affinity", false}},
                                        {{"device_id", 17}, {"arrays", nlohmann::json::array()}, {"revertible", true},
                                         {"enclosure_affinity", false}}}));
}

TEST_F(CfgAutoTest, SpanCountThatDoesNotDivideFallsBackAndDedicatedSpares)
{
    WriteState(GrowingState());
    // Eight usable drives do not go into three spans: the command takes two spans of four.
    RunResult r = Run({"-CfgAllFreeDrv", "-r5", "-SpanCount", "3", "-HspCount", "2", "-HspType", "-Dedicated",
                       "-nonRevertible", "-EnclAffinity", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\n" + kConfigured + kExitOk);
    EXPECT_EQ(Vd(0)["raid_level"], 50);
    EXPECT_EQ(SpanDrives(0), (SpanList{{15, 14, 13, 12}, {11, 10, 9, 8}}));
    ASSERT_EQ(Spares().size(), 2u);
    for (const auto& spare : Spares()) {
        EXPECT_EQ(spare["arrays"], Vd(0)["arrays"]);
        EXPECT_EQ(spare["revertible"], false);
        EXPECT_EQ(spare["enclosure_affinity"], true);
    }
}

TEST_F(CfgAutoTest, AllFreeDrivesRefusals)
{
    WriteState(GrowingState());
    ExpectRefused({"-CfgAllFreeDrv", "-r10", "-SpanCount", "1", "-a0"},
                  "\nAt least two arrays must be specified to configure spanned VD.\n" + Exit(30), 30);
    // No span, and no drive left after the hot spares: nothing can be divided.
    ExpectRefused({"-CfgAllFreeDrv", "-r1", "-SpanCount", "0", "-a0"}, kConfigureFailed + Exit(3), 3);
    ExpectRefused({"-CfgAllFreeDrv", "-r1", "-HspCount", "10", "-a0"}, kConfigureFailed + Exit(3), 3);
    // Seven usable drives cannot be split in two spans.
    ExpectRefused({"-CfgAllFreeDrv", "-r1", "-SpanCount", "2", "-HspCount", "3", "-a0"}, kConfigureFailed + Exit(3), 3);
    ExpectRefused({"-CfgAllFreeDrv", "-r5", "-SATAOnly", "-a0"},
                  "\nNo Configurable Disk Available for Configuraiton on Adapter 0.\n" + Exit(12), 12);
}

TEST_F(CfgAutoTest, EachDiskPassesOverWhatItCannotConfigure)
{
    nlohmann::json state = EmptyState();
    // Slot 0 in use, slot 6 a hot spare: not unconfigured good.
    Ctrl(state)["config"] = {{"arrays", {{{"ref", 0}, {"drives", {8}}}}},
                             {"virtual_drives", {{{"target_id", 0}, {"raid_level", 0}, {"arrays", {0}}}}},
                             {"spares", {{{"device_id", 14}, {"arrays", nlohmann::json::array()}}}}};
    DriveOf(state, 8)["state"] = "online";
    DriveOf(state, 14)["state"] = "hot_spare";
    WriteState(state);
    // Solid state drives do not take the maximum power-save level.
    RunResult r = Run({"-CfgEachDskRaid0", "-MaximumWithoutCaching", "-a0"});
    std::string expected;
    for (unsigned slot : {1u, 2u, 3u, 4u, 5u, 7u})
        expected += "Adapter 0: Created VD " + std::to_string(slot == 7 ? 6 : slot) +
                    "\nConfigured physical device at Encl-252:Slot-" + std::to_string(slot) + ".\n";
    expected += "Invalid power savings level input for physical device at Encl-252:Slot-8.\n"
                "Invalid power savings level input for physical device at Encl-252:Slot-9.\n"
                "\n6 physical devices are Configured on adapter 0.\n";
    EXPECT_EQ(r.out, expected + Exit(1));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Vds().size(), 7u);
    EXPECT_EQ(DriveState(14), "hot_spare");
    EXPECT_EQ(DriveState(16), "unconfigured_good");
}

TEST_F(CfgAutoTest, EachDiskStopsAtTheVirtualDriveLimit)
{
    nlohmann::json state = AllHddState();
    Ctrl(state)["info"]["limits"]["max_vds"] = 3;
    WriteState(state);
    RunResult r = Run({"-CfgEachDskRaid0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\nConfigured physical device at Encl-252:Slot-0.\n"
                     "Adapter 0: Created VD 1\nConfigured physical device at Encl-252:Slot-1.\n"
                     "Adapter 0: Created VD 2\nConfigured physical device at Encl-252:Slot-2.\n"
                     "\nNo More Configuration is allowed on adapter 0.\n"
                     "\n3 physical devices are Configured on adapter 0.\n" + kExitOk);
    EXPECT_EQ(Vds().size(), 3u);
}

// The unassigned drives are listed again after each drive configured: a drive whose information
// cannot be read then is named, the drives configured stay so, and the command ends with the
// failed read's status.
TEST_F(CfgAutoTest, EachDiskNamesADriveItCannotReadAndEndsWithThatRead)
{
    constexpr unsigned kDriveInfo = 0x02020000;
    // The default controller: slots 6 (a hot spare), 7, 8 and 9 unassigned. The list after the
    // first drive reads slot 6 (the 5th read of a drive's information), then slot 8: the 6th
    // read fails, and so does the 7th, made to name the drive.
    nlohmann::json state = State();
    AddFault(state, 0, kDriveInfo, 3, 6);
    AddFault(state, 0, kDriveInfo, 3, 7);
    WriteState(state);
    const std::string first = "Adapter 0: Created VD 2\nConfigured physical device at Encl-252:Slot-7.\n";
    RunResult r = Run({"-CfgEachDskRaid0", "-a0"});
    EXPECT_EQ(r.out, first + "Adapter 0: Failed to read the information of the device at Enclosure - 252, Slot - 8.\n"
                             "\n1 physical devices are Configured on adapter 0.\n"
                             "\nFW error description: Invalid parameter\n" + Exit(3));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(Vds().size(), 3u);

    // Read again, the drive answers: the list that failed is named.
    state = State();
    AddFault(state, 0, kDriveInfo, 3, 6);
    WriteState(state);
    r = Run({"-CfgEachDskRaid0", "-a0"});
    EXPECT_EQ(r.out, first + "Adapter #0: Failed to Perform to get unconfig pd list Operation.\n"
                             "\n1 physical devices are Configured on adapter 0.\n"
                             "\nFW error description: Invalid parameter\n" + Exit(3));

    // The virtual-drive count read before the second drive, failed by the library; the form that
    // would refuse the solid state drives later still fails.
    state = State();
    state["faults"] = {{{"controller", 0}, {"opcode", "0x03010000"}, {"lib_error", 5}, {"nth", 2}}};
    WriteState(state);
    r = Run({"-CfgEachDskRaid0", "Maximum", "-a0"});
    EXPECT_EQ(r.out, first + "Adapter #0: Failed to Perform configuration Operation.\n"
                             "\n1 physical devices are Configured on adapter 0.\n" + kExitFailed);
    EXPECT_EQ(Vds().size(), 3u);
}

TEST_F(CfgAutoTest, EachDiskWithPiStopsAtTheFirstDriveWithoutIt)
{
    nlohmann::json state = AllHddState();
    DriveOf(state, 10)["pi_capable"] = false;
    for (unsigned id : {8u, 9u})
        DriveOf(state, id)["pi_capable"] = true;
    WriteState(state);
    RunResult r = Run({"-CfgEachDskRaid0", "-enblPI", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\nConfigured physical device at Encl-252:Slot-0.\n"
                     "Adapter 0: Created VD 1\nConfigured physical device at Encl-252:Slot-1.\n"
                     "PD Doesn't support PI\n" + Exit(1));
    EXPECT_EQ(Vds().size(), 2u);
    EXPECT_NE(Vd(0)["pi_type"], 0);
}

}  // namespace
