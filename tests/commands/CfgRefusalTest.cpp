// The refusals of virtual-drive creation: each prints its message, ends with its status and
// leaves the configuration and the drives in the state file as they were.
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"

namespace {

using namespace cfg_e2e;

const std::string kCfgOpFailed = "Adapter #0: Failed to Perform configuration Operation.\n";

class CfgRefusalTest : public CfgTest {};

TEST_F(CfgRefusalTest, DrivesThatCannotFormTheVirtualDrive)
{
    // The default configuration: slots 0-3 RAID 5, 4-5 RAID 1, 6 a global hot spare.
    nlohmann::json state = State();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    WriteState(state);

    // Too few drives for the level.
    ExpectRefused({"-CfgLdAdd", "-r5[252:7]", "-a0"}, kConfigureFailed + Exit(3), 3);
    // A drive in use beside free ones; a hot spare; a drive named twice.
    ExpectRefused({"-CfgLdAdd", "-r1[252:0,252:7]", "-a0"},
                  "Mix of configured and unconfigured drives are not possible.\n" + Exit(11), 11);
    ExpectRefused({"-CfgLdAdd", "-r1[252:6,252:7]", "-a0"},
                  "The specified physical disk does not have the appropriate attributes to complete \n"
                  "the requested command.\n" + Exit(38),
                  38);
    ExpectRefused({"-CfgLdAdd", "-r1[252:7,252:7]", "-a0"},
                  "The specified physical disk does not have the appropriate attributes to complete \n"
                  "the requested command.\n" + Exit(38),
                  38);
    // Part of an array only.
    ExpectRefused({"-CfgLdAdd", "-r5[252:0,252:1,252:2]", "-a0"}, "Pd count is not consistent with Array.\n" + Exit(3),
                  3);
    // An empty slot: the group stops there.
    ExpectRefused({"-CfgLdAdd", "-r1[252:7,252:11]", "-a0"}, "\nDevice at [252 : 11] is not Disk\n" + kConfigureFailed + Exit(12),
                  12);
    // A hard disk and solid state drives the controller does not mix: the plan refuses a named
    // drive, and nothing smaller than named is created.
    ExpectRefused({"-CfgLdAdd", "-r5[252:7,252:8,252:9]", "-a0"}, kCfgOpFailed + kConfigureFailed + Exit(3), 3);
}

TEST_F(CfgRefusalTest, ShieldedAndSecuredDrives)
{
    nlohmann::json state = EmptyState();
    // Slot 7 (device 15) is shielded.
    DriveOf(state, 15)["state"] = "shielded";
    DriveOf(state, 14)["security"] = {"fde_capable", "secured"};
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r1[252:6,252:7]", "-a0"},
                  "Cannot create configuration with disks in Shielded state. \n" + kConfigureFailed + Exit(1), 1);

    // A drive secured by full-disk encryption needs FDE or -Force; a secured drive is never
    // left out silently.
    ExpectRefused({"-CfgLdAdd", "-r1[252:5,252:6]", "-a0"},
                  "\nAtleast one drive in the disk group selected is secured by FDE.\nAny data on the drives will be "
                  "permanently lost. use -force option if you are sure to perform this operation\n" + kConfigureFailed + Exit(1),
                  1);
    RunResult r = Run({"-CfgLdAdd", "-r1[252:5,252:6]", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(SpanDrives(0), (std::vector<std::vector<unsigned>>{{13, 14}}));
}

TEST_F(CfgRefusalTest, SpansLevelsAndStripSizes)
{
    WriteState(AllHddState());
    ExpectRefused({"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3,252:4]", "-a0"},
                  kConfigureFailed + Exit(9), 9);
    ExpectRefused({"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-a0"},
                  "\nAt least two arrays must be specified to configure spanned VD.\n" + Exit(30), 30);
    ExpectRefused({"-CfgLdAdd", "-r10[252:0,252:1]", "-a0"},
                  "\nAt least two arrays must be specified to configure spanned VD.\n" + Exit(30), 30);
    // Levels the controller has no code for.
    ExpectRefused({"-CfgLdAdd", "-r3[252:0,252:1,252:2]", "-a0"}, kConfigureFailed + Exit(30), 30);
    ExpectRefused({"-CfgSpanAdd", "-r20", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-a0"}, kConfigureFailed + Exit(30),
                  30);
    // A strip size that is no power of two, one of 32 MB or more, one the controller refuses.
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-strpsz48", "-a0"}, kConfigureFailed + Exit(3), 3);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-strpsz32768", "-a0"}, kConfigureFailed + Exit(3), 3);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-strpsz2048", "-a0"},
                  kConfigureFailed + "\nFW error description: Invalid strip size\n" + Exit(44), 44);
    // With -enblPI a drive without protection information is left out, but what is left must
    // still make the level.
    nlohmann::json state = AllHddState();
    for (unsigned id : {8u, 9u, 10u})
        DriveOf(state, id)["pi_capable"] = true;
    DriveOf(state, 11)["pi_capable"] = false;
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r1[252:2,252:3]", "-enblPI", "-a0"}, kCfgOpFailed + kConfigureFailed + Exit(3), 3);
    RunResult r = Run({"-CfgLdAdd", "-r5[252:0,252:1,252:2,252:3]", "-enblPI", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(SpanDrives(0), (std::vector<std::vector<unsigned>>{{8, 9, 10}}));
    WriteState(AllHddState());
    // More than the drives hold.
    ExpectRefused({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz100TB", "-a0"}, kConfigureFailed + Exit(13), 13);
    // A line the parser refuses changes nothing either.
    ExpectRefused({"-CfgLdAdd", "-r261[252:0,252:1,252:2]", "-a0"},
                  "Failed to parse command. Use -h option for usage.\n" + Exit(1), 1);
}

TEST_F(CfgRefusalTest, AdapterLimitsAndCapabilities)
{
    // The controller holds its most virtual drives.
    nlohmann::json state = State();
    Ctrl(state)["info"]["limits"]["max_vds"] = 2;
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r0[252:7]", "-a0"}, kCfgOpFailed + Exit(26), 26);
    ExpectRefused({"-CfgEachDskRaid0", "-a0"}, kCfgOpFailed + Exit(26), 26);

    // Encryption against the OEM mode, protection information, power saving.
    state = EmptyState();
    RemoveCapability(state, "pi");
    RemoveCapability(state, "vd_power_savings");
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-Secure", "-a0"}, "Invalid input\n" + Exit(1), 1);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-enblPI", "-a0"}, "Adapter Doesn't support PI\n" + Exit(1), 1);
    ExpectRefused({"-CfgEachDskRaid0", "-enblPI", "-a0"}, "Adapter Doesn't support PI\n" + Exit(1), 1);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-Automatic", "-a0"},
                  "Adapter does not support Power savings on logical drives.\n" + kConfigureFailed + Exit(1), 1);
    // Without a power-save option the level is none on such an adapter.
    ASSERT_EQ(Run({"-CfgLdAdd", "-r0[252:0]", "-a0"}).exitCode, 0);
    EXPECT_EQ(Vd(0)["power_save_policy"], "none");

    state = EmptyState();
    Ctrl(state)["oem"]["mode"] = 2;
    RemoveCapability(state, "max_power_saving_without_caching");
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "FDE", "-a0"}, "Invalid input\n" + Exit(1), 1);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-MaximumWithoutCaching", "-a0"},
                  "Invalid power savings level input.\n" + kConfigureFailed + Exit(1), 1);
    // Maximum is planned as maximum without caching; the default on an adapter with power saving.
    ASSERT_EQ(Run({"-CfgLdAdd", "-r0[252:0]", "-Maximum", "-a0"}).exitCode, 0);
    EXPECT_EQ(Vd(0)["power_save_policy"], "maximum_without_caching");
    ASSERT_EQ(Run({"-CfgLdAdd", "-r0[252:1]", "-a0"}).exitCode, 0);
    EXPECT_EQ(Vd(1)["power_save_policy"], "default");
    // Solid state drives only: no maximum level.
    ExpectRefused({"-CfgLdAdd", "-r1[252:8,252:9]", "-Maximum", "-a0"},
                  "Invalid power savings level input.\n" + Exit(1), 1);

    // Byte 55 of the defaults forbids the maximum level, or any level per virtual drive.
    state = EmptyState();
    Ctrl(state)["defaults"]["power_saving_option"] = 0x10;
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-Maximum", "-a0"},
                  "Maximum power saving on logical drives is not allowed\n" + kConfigureFailed + Exit(1), 1);
    Ctrl(state)["defaults"]["power_saving_option"] = 0x08;
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-Default", "-a0"},
                  "Power savings level cannot be selected on per logical drive basis.\n" + kConfigureFailed + Exit(1), 1);
}

TEST_F(CfgRefusalTest, VirtualDrivesPerDiskGroup)
{
    // An array takes two virtual drives: the third size ends the command with 26, silently.
    nlohmann::json state = AllHddState();
    Ctrl(state)["info"]["limits"]["max_vds_per_array"] = 2;
    WriteState(state);
    RunResult r = Run({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz1GB", "-sz1GB", "-sz1GB", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 0\nAdapter 0: Created VD 1\n" + Exit(26));
    EXPECT_EQ(r.exitCode, 26);
    EXPECT_EQ(Vds().size(), 2u);
    ExpectRefused({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz1GB", "-a0"}, Exit(26), 26);

    // Arrays of up to 64: the seventeenth virtual drive of a disk group needs -Force.
    state = AllHddState();
    Ctrl(state)["info"]["limits"]["max_vds_per_array"] = 64;
    Ctrl(state)["defaults"]["max_vds_per_array"] = "64";
    WriteState(state);
    std::vector<std::string> sixteen = {"-CfgLdAdd", "-r1[252:0,252:1]"};
    for (int i = 0; i < 16; ++i)
        sixteen.push_back("-sz1GB");
    sixteen.push_back("-a0");
    ASSERT_EQ(Run(sixteen).exitCode, 0);
    ASSERT_EQ(Vds().size(), 16u);
    ExpectRefused({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz1GB", "-a0"},
                  "Adapter 0: This configuration shall not be backwards compatible to systems that only supports 16 "
                  "VDs per disk group.\n" + Exit(3),
                  3);
    r = Run({"-CfgLdAdd", "-r1[252:0,252:1]", "-sz1GB", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 16\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(Vds().size(), 17u);
}

TEST_F(CfgRefusalTest, ControllerFailuresAreReportedAndChangeNothing)
{
    nlohmann::json state = EmptyState();
    AddFault(state, 0, 0x010E0201, 3);
    WriteState(state);
    ExpectRefused({"-CfgLdAdd", "-r0[252:0]", "-a0"},
                  "\nFailed to read MFC default data from adapter\n" + kConfigureFailed +
                      "\nFW error description: Invalid parameter\n" + Exit(3),
                  3);
    EXPECT_NE(ReadFile("CmdTool.log").find("Fwi opcode 0x010e0201 returned with error code 0x00000003"),
              std::string::npos)
        << ReadFile("CmdTool.log");

    // The defaults failing only for the plan: nothing is created with other policies than the
    // controller's, by any of the creation commands.
    const std::string kUnreadable = "\nFailed to read MFC default data from adapter\n";
    const std::string kDescribed = "\nFW error description: Device not found\n" + Exit(12);
    for (const auto& [args, out] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"-CfgLdAdd", "-r1[252:0,252:1]", "-a0"}, kUnreadable + kConfigureFailed + kDescribed},
             {{"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-a0"},
              kUnreadable + kConfigureFailed + kDescribed},
             // Four spans of two drives; fewer spans are not tried.
             {{"-CfgAllFreeDrv", "-r1", "-SpanCount", "4", "-HspCount", "2", "-a0"}, kUnreadable + kConfigureFailed + kDescribed},
             {{"-CfgEachDskRaid0", "-a0"}, kUnreadable + kDescribed}}) {
        state = AllHddState();
        AddFault(state, 0, 0x010E0201, 12, 1);
        WriteState(state);
        ExpectRefused(args, out, 12);
    }

    state = EmptyState();
    AddFault(state, 0, 0x04020000, 50);
    WriteState(state);
    RunResult r = Run({"-CfgLdAdd", "-r0[252:0]", "-a0"});
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(r.out.rfind(kConfigureFailed, 0), 0u) << r.out;
    EXPECT_TRUE(Vds().empty());
}

}  // namespace
