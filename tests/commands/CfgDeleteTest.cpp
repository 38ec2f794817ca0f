// -CfgLdDel, -CfgFlashTierDel and -CfgClr end to end: named and all virtual drives, drives that
// do not exist, snapshots, FlashTier drives and the drives they serve, and the operating-system
// step failing after the controller did the work.
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace cfg_e2e;

const std::string kOsNotTold = "Failed while adding the configuration to OS.\n";

class CfgDeleteTest : public CfgTest {
protected:
    // The default configuration (RAID 5 target 0, RAID 1 target 1) plus a FlashTier drive,
    // target 2, on an array of the solid state drive in slot 8 (device 16).
    nlohmann::json FlashTierState()
    {
        nlohmann::json state = State();
        AddFlashTierCache(state);
        return state;
    }
};

TEST_F(CfgDeleteTest, NamedAndAllVirtualDrives)
{
    nlohmann::json state = State();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    WriteState(state);

    // Missing ids are reported and passed over, the others are deleted in the order named, and the
    // command then fails.
    RunResult r = Run({"-CfgLdDel", "-L5,1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Virtual Drive 5 Does not Exist.\nAdapter 0: Deleted Virtual Drive-1(target id-1)\n" +
                         kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Vd(1).is_null());
    EXPECT_EQ(DriveState(12), "unconfigured_good");
    EXPECT_EQ(DriveState(8), "online");

    // Without -L nothing is deleted.
    r = Run({"-CfgLdDel", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(Vds().size(), 1u);

    ASSERT_EQ(Run({"-CfgLdAdd", "-r1[252:4,252:5]", "-a0"}).exitCode, 0);
    r = Run({"-CfgLdDel", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Deleted Virtual Drive-0(target id-0)\nAdapter 0: Deleted Virtual Drive-1(target id-1)\n" +
                         kExitOk);
    EXPECT_TRUE(Vds().empty());
    EXPECT_TRUE(Config()["arrays"].empty());
    // The global hot spare stays.
    EXPECT_EQ(DriveState(14), "hot_spare");

    r = Run({"-CfgLdDel", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Virtual Drive 0 Does not Exist.\n" + kExitFailed);
}

TEST_F(CfgDeleteTest, SnapshotsAreRefusedOnStandardOutput)
{
    nlohmann::json state = State();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    Ctrl(state)["config"]["virtual_drives"][0]["snapshot"] = true;
    WriteState(state);
    // The refusal does not stop the others, but the status tells it; it bypasses -Silent.
    RunResult r = Run({"-CfgLdDel", "-LALL", "-a0", "-Silent"});
    EXPECT_EQ(r.out, "Snapshot is enabled on the Virtual Disk 0. Cannot delete Virtual Disk 0\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(Vd(0).is_null());
    EXPECT_TRUE(Vd(1).is_null());
    EXPECT_EQ(ReadFile("Dravlix.log").find("Snapshot"), std::string::npos);
}

TEST_F(CfgDeleteTest, FlashTierDrivesAreKeptApart)
{
    WriteState(FlashTierState());

    ExpectRefused({"-CfgLdDel", "-L2", "-a0"},
                  " Virtual Disk is an FlashTier. Please Use FlashTier Command for Deleting the VD \n" + Exit(1), 1);
    ExpectRefused({"-CfgFlashTierDel", "-L1", "-a0"}, "VD is not FlashTier\n" + Exit(1), 1);
    RunResult r = Run({"-CfgFlashTierDel", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Deleted Virtual Drive-2(target id-2)\n" + kExitOk);
    EXPECT_TRUE(Vd(2).is_null());
    EXPECT_EQ(Vds().size(), 2u);

    // Without FlashTier support the cache command refuses.
    nlohmann::json state = ReadState();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    WriteState(state);
    ExpectRefused({"-CfgFlashTierDel", "-L0", "-a0"}, "FlashTier is not supported \n" + Exit(1), 1);
}

TEST_F(CfgDeleteTest, AssociationReadFailureIsTheStatusOfTheCommand)
{
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdLdGetSscAssociation, 12);
    WriteState(state);
    // The drive may be served by a cache: it counts as served and is kept without -Force (the
    // failed read is named).
    RunResult r = Run({"-CfgLdDel", "-L1", "-a0"});
    EXPECT_EQ(r.out, " Virtual Disk is associate with FlashTier. Please Use force option to delete \n"
                     "\nFW error description: Device not found\n" + Exit(12));
    EXPECT_EQ(r.exitCode, 12);
    EXPECT_FALSE(Vd(1).is_null());
    // -Force deletes it; the failed read is the status.
    r = Run({"-CfgLdDel", "-L1", "-Force", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter 0: Deleted Virtual Drive-1(target id-1)\n", 0), 0u) << r.out;
    EXPECT_EQ(r.exitCode, 12);
    EXPECT_TRUE(Vd(1).is_null());
}

TEST_F(CfgDeleteTest, OperatingSystemStepFailures)
{
    nlohmann::json state = State();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    state["faults"] = {{{"function", "driver_request"}, {"opcode", "0xF0010300"}, {"status", 1}}};
    WriteState(state);
    RunResult r = Run({"-CfgLdDel", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Deleted Virtual Drive-0(target id-0)\n" + kOsNotTold + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(Vd(0).is_null());

    // With -Force the operating system is told nothing before the delete.
    r = Run({"-CfgLdDel", "-L1", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Deleted Virtual Drive-1(target id-1)\n" + kExitOk);

    // A new virtual drive is written but not announced: no "Created" line, and the failed
    // request's status.
    r = Run({"-CfgLdAdd", "-r1[252:0,252:1]", "-a0"});
    EXPECT_EQ(r.out, kOsNotTold + "\nFW error description: Invalid command\n" + Exit(1));
    EXPECT_EQ(Vds().size(), 1u);
    r = Run({"-CfgClr", "-Force", "-a0"});
    EXPECT_EQ(r.out, kOsNotTold + Exit(0xFE));
    EXPECT_EQ(r.exitCode, 254);
    EXPECT_TRUE(Vds().empty());
}

TEST_F(CfgDeleteTest, ClearWithNothingToLose)
{
    // Only a hot spare: nothing would be lost, so no -Force is needed.
    nlohmann::json state = EmptyState();
    Ctrl(state)["config"]["spares"] = {{{"device_id", 14}, {"arrays", nlohmann::json::array()}}};
    DriveOf(state, 14)["state"] = "hot_spare";
    WriteState(state);
    RunResult r = Run({"-CfgClr", "-a0"});
    EXPECT_EQ(r.out, "\nAdapter 0: Configuration is Cleared.\n" + kExitOk);
    EXPECT_EQ(DriveState(14), "unconfigured_good");

    state = EmptyState();
    AddFault(state, 0, 0x04030000, 3);
    WriteState(state);
    r = Run({"-CfgClr", "-Force", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter 0: Failed to Clear Configuration.\n", 0), 0u) << r.out;
    EXPECT_EQ(r.exitCode, 3);
}

}  // namespace
