// Virtual-drive maintenance end to end: the preserved cache listed and discarded (an offline
// drive only with -force, and then deleted), the bad-block table shown and cleared, the mirror
// broken (refused), shown and joined, and the power-saving policy within what the controller
// allows.
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace bgop_test;

class LdMaintenanceTest : public BgOpTest {
protected:
    static void RemoveCapability(nlohmann::json& state, const std::string& name)
    {
        auto& caps = Ctrl(state)["info"]["capabilities"];
        for (auto it = caps.begin(); it != caps.end(); ++it)
            if (*it == name) {
                caps.erase(it);
                return;
            }
    }
};

TEST_F(LdMaintenanceTest, PreservedCacheIsListedAndDiscarded)
{
    nlohmann::json state = State();
    WriteState(state);
    RunResult r = Tool({"-GetPreservedCacheList", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: No Virtual Drive has Preserved Cache Data.\n" + kExitOk);

    // The RAID 1 lost both drives with cache held for it; target 5 is gone with its cache kept.
    Ctrl(state)["config"]["virtual_drives"][1]["preserved_cache"] = true;
    Ctrl(state)["config"]["virtual_drives"][1]["name"] = "Logs";
    SetDriveState(state, 12, "offline");
    SetDriveState(state, 13, "offline");
    Ctrl(state)["preserved_cache_missing_vds"] = {5};
    WriteState(state);
    r = Tool({"-GetPreservedCacheList", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("Adapter #0\n\nVirtual Drive:01(Target ID 01): Logs, Size:", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("MB, Offline .\nVirtual Drive(Target ID 05): Missing.\n"), std::string::npos) << r.out;

    const nlohmann::json before = ReadState();
    r = Tool({"-DiscardPreservedCache", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\n\n One or more virtual drives are Offline. In order to discard preserved cache "
                     "use -force option. This will discard the preserved cache & delete the offline virtual "
                     "drives.\n" + kExitFailed);
    EXPECT_EQ(ReadState()["controllers"], before["controllers"]);

    r = Tool({"-DiscardPreservedCache", "-L5", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nVirtual Drive(Target ID 05): Preserved Cache Data Cleared.\n" + kExitOk);
    r = Tool({"-DiscardPreservedCache", "-L0,1", "-force", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nVirtual Drive(Target ID 00): Doesn't have Preserved Cache Data.\n"
                     "Virtual Drive(Target ID 01): Preserved Cache Data Cleared.\n" + kExitOk);
    EXPECT_TRUE(VdOf(1).is_null());
    EXPECT_TRUE(Controller0()["preserved_cache_missing_vds"].empty());
}

TEST_F(LdMaintenanceTest, BadBlockTablesAreShownAndCleared)
{
    nlohmann::json state = State();
    auto& vds = Ctrl(state)["config"]["virtual_drives"];
    vds[1]["bad_blocks"] = true;
    vds[1]["bad_block_table"] = {{"corrected", 3}, {"uncorrected", 258}};
    WriteState(state);

    const std::string header = "\nAdapter 0 -- Virtual Drive Information:\n"
                               "TargetID        Corrected Entries        UnCorrected Entries\n";
    RunResult r = Tool({"-GetBbtEntries", "-L1", "-a0"});
    EXPECT_EQ(r.out, header + "1               0000000000000003                       0000000000000258 \n" + kExitOk);
    r = Tool({"-GetBbtEntries", "-LALL", "-a0"});
    EXPECT_EQ(r.out, header +
                         "0               0000000000000000                       0000000000000000 \n"
                         "1               0000000000000003                       0000000000000258 \n" + kExitOk);

    r = Tool({"-LDBBMClr", "-L0,1", "-a0"});
    EXPECT_EQ(r.out, "\nThere is no Bad Block to clear.\n\nSuccessfully cleared BBM Log.\n" + kExitOk);
    EXPECT_EQ(VdOf(1)["bad_blocks"], false);

    state = ReadState();
    RemoveCapability(state, "vd_bbm");
    WriteState(state);
    r = Tool({"-GetBbtEntries", "-L1", "-a0"});
    EXPECT_EQ(r.out, "\nAdapter 0 -- Virtual Drive Information:\nAdapter 0: LD bad block management is not enabled.\n"
                     "\nFW error description: Invalid command\n\nExit Code: 0x01\n");
    r = Tool({"-LDBBMClr", "-L7,1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Virtual Drive 7 Does not Exist.\n\nLDBBM Clear is not supported.\n\nExit Code: 0x01\n");
}

TEST_F(LdMaintenanceTest, MirrorIsShownAndJoinedButNotBroken)
{
    nlohmann::json state = State();
    RemoveCapability(state, "vd_break_mirror");
    WriteState(state);
    RunResult r = Tool({"-LDViewMirror", "-L1", "-a0"});
    EXPECT_EQ(r.out, "\nThis feature is not supported\n\nExit Code: 0x01\n");

    WriteState(State());
    r = Tool({"-LDBreakMirror", "-L1", "-a0"});
    EXPECT_EQ(r.out, "\nInvalid operation!! \nBreak mirror is an offline operation.\n\nExit Code: 0x01\n");
    r = Tool({"-LDViewMirror", "-L0", "-a0"});
    EXPECT_EQ(r.out, "VD does not have mirror\nExit Code: 0x01\n");

    r = Tool({"-LDViewMirror", "-L1", "-a0"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(report_test::Outline(r.out, {"Number of DISK GROUPS", "DISK GROUP", "SPAN", "Virtual Drive:",
                                           "Physical Disk:"}),
              "Number of DISK GROUPS: 1\nDISK GROUP: 0\nSPAN: 0\nVirtual Drive: 0 (Target Id: 1)\nPhysical Disk: 0\n");

    r = Tool({"-LDJoinMirror", "-DataSrc", "1", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Performing this operation will change the Data on Source VD.\n use -force option if you are sure "
                     "to perform this operation\n\nExit Code: 0x01\n");
    r = Tool({"-LDJoinMirror", "-DataSrc", "1", "-force", "-L1", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
}

TEST_F(LdMaintenanceTest, PowerPolicyWithinTheControllersLimits)
{
    nlohmann::json state = State();
    WriteState(state);
    RunResult r = Tool({"-LDSetPowerPolicy", "-Maximum", "-L1,4", "-a0"});
    EXPECT_EQ(r.out, "Set LdPowerPolicy on Adapter 0, VD 1 (target id: 1) success\n"
                     "Adapter 0: Virtual Drive 4 Does not Exist.\n" + kExitFailed);
    EXPECT_EQ(VdOf(1)["power_save_policy"], "maximum");

    // Manufacturing defaults not set (0xFF): maximum levels are refused on virtual drives.
    AddPatch(state, 0, kDcmdCtrlGetDefaults, 55, "ff");
    WriteState(state);
    const nlohmann::json before = ReadState();
    r = Tool({"-LDSetPowerPolicy", "-MaximumWithoutCaching", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Maximum power saving on logical drives is not allowed\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadState()["controllers"], before["controllers"]);
    r = Tool({"-LDSetPowerPolicy", "-Automatic", "-LALL", "-a0"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(VdOf(0)["power_save_policy"], "automatic");
}

// Without the configuration no progress or table is shown, no drive is taken for one that does
// not exist, and each says what could not be read.
TEST_F(LdMaintenanceTest, ProgressAndTablesWithoutTheConfiguration)
{
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdCfgRead, 3);
    WriteState(state);
    const std::string failed = "Adapter 0: Failed to read the configuration.\n"
                               "\nFW error description: Invalid parameter\n" + Exit(3);
    EXPECT_EQ(Tool({"-LDRecon", "-ShowProg", "-L1", "-a0"}).out, failed);
    EXPECT_EQ(Tool({"-LDCC", "-ShowProg", "-LALL", "-a0"}).out, failed);
    EXPECT_EQ(Tool({"-LDBI", "-GetSetting", "-L0", "-a0"}).out, failed);
    EXPECT_EQ(Tool({"-GetBbtEntries", "-LALL", "-a0"}).out, "\nAdapter 0 -- Virtual Drive Information:\n" + failed);
    EXPECT_EQ(Tool({"-LDBBMClr", "-L0", "-a0"}).out, failed);
}

// Without the configuration no drive is set, none is reported missing, and the command fails.
TEST_F(LdMaintenanceTest, PowerPolicyWithoutTheConfiguration)
{
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdCfgRead, 3);
    WriteState(state);
    const nlohmann::json before = ReadState();
    RunResult r = Tool({"-LDSetPowerPolicy", "-MaximumWithoutCaching", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the configuration.\n\nFW error description: Invalid parameter\n" +
                         Exit(3));
    EXPECT_EQ(r.exitCode, 3);
    r = Tool({"-LDSetPowerPolicy", "-None", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the configuration.\n\nFW error description: Invalid parameter\n" +
                         Exit(3));

    // The drive list, failed by the library.
    state = before;
    state["faults"] = {{{"controller", 0}, {"opcode", "0x02010000"}, {"lib_error", 5}, {"nth", 2}}};
    WriteState(state);
    r = Tool({"-LDSetPowerPolicy", "-Automatic", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the configuration.\n" + kExitFailed);
    EXPECT_EQ(ReadState()["controllers"], before["controllers"]);
}

}  // namespace
