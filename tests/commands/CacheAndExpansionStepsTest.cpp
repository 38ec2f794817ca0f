// The SSD cache's plan and the expansion report end to end, where their steps hand over to each
// other: a span the plan does not take whole, the protection-information check of each span, the
// cache drive passed over by an -LALL association, and the expansion report of an array with room
// in it and on its drives beside a drive that does not exist.
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"

namespace {

using namespace cfg_e2e;

class CacheAndExpansionStepsTest : public CfgTest {
protected:
    // The default controller with the RAID 1 (target 1) using 1 GB of a 4 GB array: room within
    // the array, and on the drives beyond it.
    nlohmann::json RoomState()
    {
        nlohmann::json state = State();
        Ctrl(state)["config"]["virtual_drives"][1]["blocks"] = kGbBlocks;
        Ctrl(state)["config"]["arrays"][1]["blocks"] = 4 * kGbBlocks;
        return state;
    }
};

TEST_F(CacheAndExpansionStepsTest, ACacheSpanThePlanCannotTakeWholeWritesNothing)
{
    // A SAS solid state drive beside a SATA one: the plan refuses to mix them.
    nlohmann::json state = State();
    DriveOf(state, 17)["interface"] = "sas";
    WriteState(state);
    for (const char* level : {"-r0", "-r1"})
        ExpectRefused({"-CfgFlashTierAdd", level, "-Physdrv[252:8,252:9]", "-a0"},
                      "Adapter #0: Failed to Perform configuration Operation.\n" + kConfigureFailed + Exit(3), 3);
}

TEST_F(CacheAndExpansionStepsTest, ProtectionInformationIsCheckedOnTheCacheDrives)
{
    WriteState(State());
    ExpectRefused({"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-EnblPI", "-a0"},
                  "PD Doesn't support PI\n" + kConfigureFailed + Exit(1), 1);

    nlohmann::json state = State();
    DriveOf(state, 16)["pi_capable"] = true;
    DriveOf(state, 17)["pi_capable"] = true;
    WriteState(state);
    RunResult r = Run({"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-EnblPI", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 2\n" + kExitOk);
    EXPECT_EQ(SpanDrives(2), (std::vector<std::vector<unsigned>>{{16, 17}}));
}

TEST_F(CacheAndExpansionStepsTest, AllDrivesAssignedPassOverTheCacheItself)
{
    WriteState(State());
    RunResult r = Run({"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-assign", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 2\n VD : 2  is SSCD VD, Can't associate to FlashTier Pool\n"
                     "Successfully assigned VD to Cache  \n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Config()["ssd_cache_associations"], nlohmann::json({0, 1}));

    // Named, the cache drive is refused: the others are still assigned and the command fails.
    r = Run({"-FlashTier", "-remove", "-LALL", "-a0"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    r = Run({"-FlashTier", "-assign", "-L2,1", "-a0"});
    EXPECT_EQ(r.out, " VD : 2  is SSCD VD, Can't associate to FlashTier Pool\nSuccessfully assigned VD to Cache  \n" +
                         Exit(1));
    EXPECT_EQ(Config()["ssd_cache_associations"], nlohmann::json({1}));
}

TEST_F(CacheAndExpansionStepsTest, ExpansionReportOfEachArrayAndAMissingDrive)
{
    WriteState(RoomState());
    const std::string possible = "\nVirtual Disk: 1 (Target Id: 1)\n"
                                 "Expansion                                                     : Possible\n"
                                 "Size available to grow within Array                           : 3.0 GB\n"
                                 "Size available to grow within Disks that belong to the Array  : 1.089 TB\n";
    const std::string notPossible = "\nVirtual Disk: 0 (Target Id: 0)\n"
                                    "Expansion                                                     : Not Possible\n";
    RunResult r = Run({"-getLdExpansionInfo", "-LALL", "-a0"});
    EXPECT_EQ(r.out, notPossible + possible + kExitOk);
    EXPECT_EQ(r.exitCode, 0);

    // A drive that does not exist fails the command; the drives after it are still reported.
    r = Run({"-getLdExpansionInfo", "-L1,7,0", "-a0"});
    EXPECT_EQ(r.out, possible + "Adapter 0: Virtual Drive 7 Does not Exist.\n" + notPossible + Exit(1));
    EXPECT_EQ(r.exitCode, 1);

    // The first drive's refusal stays the command's status after the second grows.
    r = Run({"-LdExpansion", "-p50", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Expansion of Virtual Drive 0 on Adapter 0 is not Allowed.\n"
                     "Expansion of Virtual Drive 0 on Adapter 0 is not possible due to space limitation.\n"
                     "Expansion of Virtual Drive 1 on Adapter 0 Success.\n" + Exit(1));
    EXPECT_EQ(r.exitCode, 1);
}

}  // namespace
