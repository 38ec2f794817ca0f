// Refusals end with a non-zero status, end to end: a line the tool refuses because of what the
// user typed (a number out of range, a name or drive that does not exist, a missing -force) or
// because the controller does not support or allow the operation prints its message and ends
// with exit status 1, and a drive of a list that was refused or failed stays the command's
// status although the drives after it were handled. Answers that are no refusal (nothing to do,
// a report of what is not possible) keep status 0.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace cfg_e2e;

const std::string kRefusalVd5Missing = "Adapter 0: Virtual Drive 5 Does not Exist.\n";
const std::string kRefusalSlot11Missing = "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n";

std::string RefusalLine(const std::vector<std::string>& args)
{
    std::string line;
    for (const std::string& word : args)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

class RefusalStatusTest : public CfgTest {
protected:
    // Runs a line the tool must refuse: exactly `out` and exit status 1, every controller as it
    // was, and none of the `unsent` requests sent.
    void ExpectRefusal(const std::vector<std::string>& args, const std::string& out,
                       const std::vector<unsigned>& unsent = {})
    {
        const nlohmann::json before = ReadState()["controllers"];
        std::vector<std::string> requests;
        const RunResult r = RunTraced(args, requests);
        EXPECT_EQ(r.out, out + kExitFailed) << RefusalLine(args);
        EXPECT_EQ(r.exitCode, 1) << RefusalLine(args);
        EXPECT_EQ(ReadState()["controllers"], before) << RefusalLine(args);
        for (unsigned opcode : unsent) {
            char key[32];
            std::snprintf(key, sizeof key, "opcode=0x%08X ", opcode);
            for (const std::string& request : requests)
                EXPECT_EQ(request.find(key), std::string::npos) << RefusalLine(args) << ": " << request;
        }
    }

    // Runs a line of which one drive is refused while the others are handled: exactly `out`
    // and the exit status.
    void ExpectFailed(const std::vector<std::string>& args, const std::string& out, unsigned exitCode = 1)
    {
        const RunResult r = Run(args);
        EXPECT_EQ(r.out, out + Exit(exitCode)) << RefusalLine(args);
        EXPECT_EQ(r.exitCode, static_cast<int>(exitCode)) << RefusalLine(args);
    }

    static void WithoutCapabilities(nlohmann::json& state, const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            RemoveCapability(state, name);
    }
};

// -AdpSetProp and -AdpGetProp of a property that the tool or the controller does not support.
TEST_F(RefusalStatusTest, UnsupportedPropertiesAreRefused)
{
    WriteState(State());
    ExpectRefusal({"-AdpSetProp", "DsblCacheBypass", "1", "-a0"}, "Not Supported\n");
    ExpectRefusal({"-AdpGetProp", "DsblCacheBypass", "-a0"}, "Not Supported\n");

    nlohmann::json state = State();
    WithoutCapabilities(state, {"pi", "spin_down"});
    WriteState(state);
    ExpectRefusal({"-AdpGetProp", "EnblPI", "-a0"}, "Adapter 0: PI is not supported.\n");
    for (const char* property : {"SpinDownTime", "EnblSpinDownUnConfigDrvs", "DsblSpinDownHsp"})
        ExpectRefusal({"-AdpGetProp", property, "-a0"},
                      "\nAdapter 0: Spin Down of UnConfigured drive option is not supported.\n");
}

// A number above its range, an index or a help name that names nothing.
TEST_F(RefusalStatusTest, NumbersAndNamesOutOfRangeAreRefused)
{
    WriteState(State());
    // The percentage is checked as typed: 300 is not taken for the 44 of its low byte.
    for (const char* percent : {"-p101", "-p300"})
        ExpectRefusal({"-LdExpansion", percent, "-L1", "-a0"},
                      "Invalid input, Percentage of expansion cannot be more than 100 \n", {kDcmdLdReconstruct});

    WriteState(MovedState(true));
    for (const char* operation : {"-Dsply", "-Preview", "-Import", "-Clear"})
        ExpectRefusal({"-CfgForeign", operation, "2", "-a1"},
                      "Foreign configuration 2 does not exist on controller 1.\n",
                      {kDcmdCfgForeignClear, kDcmdCfgForeignImport});

    const std::string banner = "\n      Tarnbek SAS RAID Management Tool  Ver 8.04.07 May 28, 2012\n\n";
    RunResult r = Run({"-h", "AdpFoo"});
    EXPECT_EQ(r.out,
              banner + "Invalid input at or near tokan     ADPFOO\nUse -help to know command name\n" + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
    // A short name is no refusal: the banner alone.
    r = Run({"-h", "xy"});
    EXPECT_EQ(r.out, banner + kExitOk);
}

// The preserved cache of an offline drive without -force, an expansion without room.
TEST_F(RefusalStatusTest, OperationsTheDrivesDoNotAllowAreRefused)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][1]["preserved_cache"] = true;
    for (auto& drive : Ctrl(state)["drives"])
        if (drive["device_id"] == 12 || drive["device_id"] == 13)
            drive["state"] = "offline";
    WriteState(state);
    const std::string offline =
        "Adapter #0\n\n\n One or more virtual drives are Offline. In order to discard preserved cache use -force "
        "option. This will discard the preserved cache & delete the offline virtual drives.\n";
    ExpectRefusal({"-DiscardPreservedCache", "-L1", "-a0"}, offline);
    ExpectRefusal({"-DiscardPreservedCache", "-LALL", "-a0"}, offline);
    // Nothing preserved on the drive named: nothing to do.
    RunResult r = Run({"-DiscardPreservedCache", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nVirtual Drive(Target ID 00): Doesn't have Preserved Cache Data.\n" + kExitOk);

    // The RAID 5 fills its array: no room to grow. The report of it is an answer.
    WriteState(State());
    ExpectRefusal({"-LdExpansion", "-p10", "-L0", "-a0"},
                  "Expansion of Virtual Drive 0 on Adapter 0 is not Allowed.\n"
                  "Expansion of Virtual Drive 0 on Adapter 0 is not possible due to space limitation.\n",
                  {kDcmdLdReconstruct});
    r = Run({"-getLdExpansionInfo", "-L0", "-a0"});
    EXPECT_EQ(r.out, "\nVirtual Disk: 0 (Target Id: 0)\nExpansion                                           "
                     "          : Not Possible\n" + kExitOk);
}

// A drive of the list that does not exist: the drives after it are handled, the command fails.
TEST_F(RefusalStatusTest, ANamedDriveThatDoesNotExistFailsTheCommand)
{
    nlohmann::json state = State();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    WriteState(state);
    ExpectFailed({"-LDSetProp", "WT", "-L5,0", "-a0"},
                 kRefusalVd5Missing + "Set Write Policy to WriteThrough on Adapter 0, VD 0 (target id: 0) success\n");
    ExpectFailed({"-LDSetPowerPolicy", "-Automatic", "-L5,1", "-a0"},
                 kRefusalVd5Missing + "Set LdPowerPolicy on Adapter 0, VD 1 (target id: 1) success\n");
    ExpectFailed({"-LDBI", "-GetSetting", "-L5,0", "-a0"},
                 kRefusalVd5Missing + "Background Initialization is Enabled on VD 0 (target id: 0) on Adapter 0\n");
    ExpectFailed({"-GetBbtEntries", "-L5,0", "-a0"},
                 "\nAdapter 0 -- Virtual Drive Information:\n" + kRefusalVd5Missing +
                     "TargetID        Corrected Entries        UnCorrected Entries\n"
                     "0               0000000000000000                       0000000000000000 \n");
    ExpectFailed({"-LDBBMClr", "-L5,0", "-a0"}, kRefusalVd5Missing + "\nThere is no Bad Block to clear.\n");
    ExpectFailed({"-LDJoinMirror", "-DataSrc", "0", "-L5,1", "-a0"}, kRefusalVd5Missing);
    ExpectFailed({"-getLdExpansionInfo", "-L5,0", "-a0"},
                 kRefusalVd5Missing + "\nVirtual Disk: 0 (Target Id: 0)\nExpansion                                     "
                                  "                : Not Possible\n");
    RunResult r = Run({"-LDInfo", "-L5,0", "-a0"});
    EXPECT_EQ(r.out.find("Adapter 0 -- Virtual Drive Information:\n" + kRefusalVd5Missing +
                         "Virtual Drive: 0 (Target Id: 0)"),
              1u)
        << r.out;
    EXPECT_EQ(r.exitCode, 1);
    // Nothing deleted.
    ExpectRefusal({"-CfgLdDel", "-L5", "-a0"}, kRefusalVd5Missing);
    ExpectFailed({"-CfgLdDel", "-L5,1", "-a0"},
                 kRefusalVd5Missing + "Adapter 0: Deleted Virtual Drive-1(target id-1)\n");
    EXPECT_TRUE(Vd(1).is_null());

    // The drive commands that report or download drive by drive.
    WriteState(State());
    r = Run({"-PDInfo", "-PhysDrv[252:11,252:0]", "-a0"});
    EXPECT_EQ(r.out.find(kRefusalSlot11Missing + "Enclosure Device ID: 252\nSlot Number: 0\n"), 0u) << r.out;
    EXPECT_EQ(r.exitCode, 1);
    ExpectRefusal({"-DpmStat", "-Dsply", "lct", "-PhysDrv[252:11]", "-a0"},
                  "Drive Performance Monitor Configuration for 0\nPerformance Monitor: OFF\n"
                  "Max commands for averaging: 1024\nMax latency commands to save: 16\n\n" + kRefusalSlot11Missing);
    ExpectRefusal({"-PdFwDownload", "-PhysDrv[252:11]", "-f", "fw.bin", "-a0"}, kRefusalSlot11Missing);

    // Securing: the drive that exists is secured, the command fails.
    ASSERT_EQ(Run({"-CreateSecurityKey", "-SecurityKey", "Abcdef1!", "-a0"}).exitCode, 0);
    ExpectFailed({"-LDMakeSecure", "-L5,0", "-a0"},
                 kRefusalVd5Missing + "Virtual Drive: 0 (Target Id: 0)\n\nMaking LD secure is successfully done. \n");
    EXPECT_EQ(Vd(0)["encryption"], "fde");
}

// Each drive of a list is handled; the first one refused, or failed, decides the command's
// status although a drive after it succeeded.
TEST_F(RefusalStatusTest, ALaterDriveDoesNotHideAnEarlierRefusal)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][0]["consistent"] = false;
    WriteState(state);
    ExpectFailed({"-LDCC", "-Start", "-L0,1", "-a0"},
                 "The virtual disk has not been initialized.  Running a consistency check may result in inconsistent "
                 "messages in the log.\nStart Check Consistency on Virtual Drive 1 (target id: 1) Success.\n");
    // The RAID 5 has no room; the RAID 1 grows into the room left on its members.
    state = State();
    Ctrl(state)["config"]["virtual_drives"][1]["blocks"] = 2 * kGbBlocks;
    WriteState(state);
    ExpectFailed({"-LdExpansion", "-p10", "-L0,1", "-a0"},
                 "Expansion of Virtual Drive 0 on Adapter 0 is not Allowed.\n"
                 "Expansion of Virtual Drive 0 on Adapter 0 is not possible due to space limitation.\n"
                 "Expansion of Virtual Drive 1 on Adapter 0 Success.\n");

    // The FlashTier cache drive itself named for association: the others are associated.
    state = State();
    AddFlashTierCache(state);
    WriteState(state);
    ExpectFailed({"-FlashTier", "-assign", "-L2,0", "-a0"},
                 " VD : 2  is SSCD VD, Can't associate to FlashTier Pool\nSuccessfully assigned VD to Cache  \n");
    EXPECT_EQ(Config()["ssd_cache_associations"], nlohmann::json::array({0}));
    // With -LALL the cache drive is only passed over.
    WriteState(state);
    ExpectFailed({"-FlashTier", "-assign", "-LALL", "-a0"},
                 " VD : 2  is SSCD VD, Can't associate to FlashTier Pool\nSuccessfully assigned VD to Cache  \n", 0);

    // A solid state drive refused the power-save level before the hard disk that was configured
    // up to the controller's limit.
    state = AllHddState();
    DriveOf(state, 8)["media"] = "ssd";
    Ctrl(state)["info"]["limits"]["max_vds"] = 1;
    WriteState(state);
    ExpectFailed({"-CfgEachDskRaid0", "-MaximumWithoutCaching", "-a0"},
                 "Invalid power savings level input for physical device at Encl-252:Slot-0.\n"
                 "Adapter 0: Created VD 0\nConfigured physical device at Encl-252:Slot-1.\n"
                 "\nNo More Configuration is allowed on adapter 0.\n"
                 "\n1 physical devices are Configured on adapter 0.\n");
}

// The walks over foreign configurations: a configuration that could not be read or cleared
// stays the command's status.
TEST_F(RefusalStatusTest, AForeignConfigurationThatFailedStaysTheStatus)
{
    nlohmann::json state = MovedState(true);
    AddFault(state, 1, kDcmdCfgForeignClear, 3, 1);
    WriteState(state);
    ExpectFailed({"-CfgForeign", "-Clear", "-a1"},
                 "Failed to clear Foreign configuration 0 on controller 1.\n"
                 "Foreign configuration 1 is cleared on controller 1.\n",
                 3);
    EXPECT_EQ(ReadState()["controllers"][1]["foreign"].size(), 1u);

    state = MovedState(true);
    auto& capabilities = Ctrl(state, 1)["info"]["capabilities"];
    capabilities.erase(std::find(capabilities.begin(), capabilities.end(), "foreign_import_all"));
    AddFault(state, 1, kDcmdCfgForeignPreview, 3, 1);
    WriteState(state);
    RunResult r = Run({"-CfgForeign", "-Preview", "-a1"});
    EXPECT_EQ(r.out.find("Failed to get foreign configuration 0 on controller 1.\n"
                         "Foreign configuration 1 on controller 1(after import):\n"),
              0u)
        << r.out;
    EXPECT_TRUE(r.out.ends_with(Exit(3))) << r.out;
    EXPECT_EQ(r.exitCode, 3);
}

}  // namespace
