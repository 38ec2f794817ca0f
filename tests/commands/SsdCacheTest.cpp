// The SSD cache end to end: a FlashTier virtual drive made from the two solid state drives of the
// default controller, virtual drives assigned to it and removed from it (the association list
// written whole, byte by byte), and the refusals, each leaving the state file as it was.
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace cfg_e2e;
using report_test::Outline;

class SsdCacheTest : public CfgTest {
protected:
    // The default controller with a RAID 1 SSD cache (target id 2) on slots 8 and 9 serving the
    // listed virtual drives.
    nlohmann::json CachedState(const std::vector<unsigned>& served)
    {
        WriteState(State());
        RunResult r = Run({"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-Name", "cache", "-a0"});
        EXPECT_EQ(r.out, "Adapter 0: Created VD 2\n" + kExitOk);
        nlohmann::json state = ReadState();
        Ctrl(state)["config"]["ssd_cache_associations"] = served;
        return state;
    }
    std::vector<unsigned> Associations()
    {
        return Config().value("ssd_cache_associations", nlohmann::json::array()).get<std::vector<unsigned>>();
    }
};

TEST_F(SsdCacheTest, CacheMadeFromTheSolidStateDrivesServesTheRaid5)
{
    WriteState(State());
    RunResult r = Run({"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-Name", "cache", "WB", "-assign", "-L0",
                       "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 2\nSuccessfully assigned VD to Cache  \n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    const nlohmann::json cache = Vd(2);
    ASSERT_FALSE(cache.is_null());
    EXPECT_EQ(cache["ssd_cache"], true);
    EXPECT_EQ(cache["raid_level"], 1);
    EXPECT_EQ(cache["name"], "cache");
    EXPECT_EQ(cache["write_policy"], "write_back");
    EXPECT_EQ(SpanDrives(2), (std::vector<std::vector<unsigned>>{{16, 17}}));
    EXPECT_EQ(Associations(), (std::vector<unsigned>{0}));

    r = Run({"-LDInfo", "-LALL", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "FlashTier Virtual Drive:", "Cached by"}),
              "Virtual Drive: 0 (Target Id: 0)\nCached by the SSD Cache: Yes\n"
              "Virtual Drive: 1 (Target Id: 1)\nCached by the SSD Cache: No\n"
              "FlashTier Virtual Drive: 2 (Target Id: 2)\n");
    r = Run({"-CfgDsply", "-a0"});
    EXPECT_EQ(Outline(r.out, {"FLASHTIER DISK GROUP", "FlashTier Virtual Drive:", "Cached by"}),
              "Cached by the SSD Cache: Yes\nCached by the SSD Cache: No\nFLASHTIER DISK GROUP: 0\n"
              "FlashTier Virtual Drive: 0 (Target Id: 2)\n");
}

TEST_F(SsdCacheTest, AssignAndRemoveWriteTheWholeListOnce)
{
    WriteState(CachedState({}));
    // Every virtual drive but the cache itself.
    RunResult r = Run({"-FlashTier", "-assign", "-LALL", "-a0"});
    EXPECT_EQ(r.out, " VD : 2  is SSCD VD, Can't associate to FlashTier Pool\nSuccessfully assigned VD to Cache  \n" +
                         kExitOk);
    EXPECT_EQ(Associations(), (std::vector<unsigned>{0, 1}));

    r = Run({"-FlashTier", "-remove", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Successfully removed VD from Cache  \n" + kExitOk);
    EXPECT_EQ(Associations(), (std::vector<unsigned>{1}));

    // Removing all writes the empty list.
    r = Run({"-FlashTier", "-remove", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Successfully removed VD from Cache  \n" + kExitOk);
    EXPECT_TRUE(Associations().empty());
}

TEST_F(SsdCacheTest, AListTheControllerHoldsIsKeptInItsOrder)
{
    // A controller that reports drive 1 served already: the new list is 0 after 1.
    nlohmann::json state = CachedState({1});
    WriteState(state);
    RunResult r = Run({"-FlashTier", "-assign", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Successfully assigned VD to Cache  \n" + kExitOk);
    EXPECT_EQ(Associations(), (std::vector<unsigned>{1, 0}));

    // A reply whose count is more than the list it sends is refused as unreadable.
    state = ReadState();
    AddPatch(state, 0, kDcmdLdGetSscAssociation, 4, "03000000");
    WriteState(state);
    r = Run({"-FlashTier", "-assign", "-L1", "-a0"});
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(SsdCacheTest, RefusalsChangeNothing)
{
    WriteState(State());
    ExpectRefused({"-CfgFlashTierAdd", "-Physdrv[252:7,252:8]", "-a0"},
                  "Adapter 0: Device at Enclosure - 252, Slot - 7 is not Solid State Device.\n" + Exit(1), 1);
    ExpectRefused({"-CfgFlashTierAdd", "-Physdrv[252:12]", "-a0"},
                  "Adapter 0: Device at Enclosure - 252, Slot - 12 is not found.\n" + Exit(1), 1);
    ExpectRefused({"-CfgFlashTierAdd", "-Physdrv[252]", "-a0"}, Exit(1), 1);
    ExpectRefused({"-CfgFlashTierAdd", "-r6", "-Physdrv[252:8,252:9]", "-a0"}, "Unsupported RAID level \n\nAdapter 0: Configure Adapter Failed\n" + Exit(1), 1);
    ExpectRefused({"-FlashTier", "-assign", "-L0", "-a0"},
                  "Failed to associate the VD as there is no FlashTier\n" + Exit(1), 1);

    nlohmann::json state = State();
    RemoveCapability(state, "ssc_raid5");
    RemoveCapability(state, "ssc_write_back");
    WriteState(state);
    ExpectRefused({"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-a0"}, "Unsupported RAID level \n\nAdapter 0: Configure Adapter Failed\n" + Exit(1), 1);
    ExpectRefused({"-CfgFlashTierAdd", "-Physdrv[252:8,252:9]", "WB", "-a0"},
                  "SSC is not supported WriteBack Mode \n" + Exit(1), 1);

    state = State();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
    WriteState(state);
    for (const char* command : {"-CfgFlashTierAdd", "-FlashTier"})
        ExpectRefused({command, command[1] == 'C' ? "-Physdrv[252:8]" : "-assign", "-a0"},
                      "SSC is not supported \n" + Exit(1), 1);

}

TEST_F(SsdCacheTest, AssociationRefusalsAndTheMaximum)
{
    WriteState(CachedState({0}));
    ExpectRefused({"-FlashTier", "-assign", "-L0", "-a0"}, "failed to add VD to Cache \n" + Exit(1), 1);
    ExpectRefused({"-FlashTier", "-remove", "-L1", "-a0"}, "VD is not associated with FlashTier\n" + Exit(1), 1);
    ExpectRefused({"-FlashTier", "-assign", "-L7", "-a0"}, "Adapter 0: Virtual Drive 7 Does not Exist.\n" + Exit(1), 1);
    // Nothing to assign: nothing is sent.
    RunResult r = Run({"-FlashTier", "-assign", "-a0"});
    EXPECT_EQ(r.out, kExitOk);

    nlohmann::json state = ReadState();
    RemoveCapability(state, "ssc_vd_association");
    WriteState(state);
    ExpectRefused({"-FlashTier", "-remove", "-L0", "-a0"}, "Manual SSC Association is not allowed\n" + Exit(1), 1);

    state = ReadState();
    Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 1;
    WriteState(state);
    ExpectRefused({"-CfgFlashTierAdd", "-Physdrv[252:7]", "-a0"}, "Maximum SSC is already configured to 1 \n" + Exit(1),
                  1);
    ExpectRefused({"-FlashTier", "-remove", "-L0", "-a0"}, "Maximum SSC is already configured to 1 \n" + Exit(1), 1);
}

TEST_F(SsdCacheTest, FailedRequestsLeaveTheirMessages)
{
    nlohmann::json state = CachedState({});
    AddFault(state, 0, kDcmdLdSetSscAssociation, 3);
    WriteState(state);
    RunResult r = Run({"-FlashTier", "-assign", "-L0", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Association", "Exit"}), "Association failed ! \nExit Code: 0x03\n");
    EXPECT_EQ(r.exitCode, 3);

    state = CachedState({0});
    AddFault(state, 0, kDcmdLdGetSscAssociation, 3);
    WriteState(state);
    r = Run({"-FlashTier", "-remove", "-L0", "-a0"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(Associations(), (std::vector<unsigned>{0}));

    // A cache created but not associated stays, with the association's status.
    state = State();
    AddFault(state, 0, kDcmdLdSetSscAssociation, 3);
    WriteState(state);
    r = Run({"-CfgFlashTierAdd", "-Physdrv[252:8,252:9]", "-assign", "-L0", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Adapter", "Association"}), "Adapter 0: Created VD 2\nAssociation failed ! \n");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(Vd(2).is_null());

    state = State();
    AddFault(state, 0, kDcmdCfgAdd, 3);
    WriteState(state);
    ExpectRefused({"-CfgFlashTierAdd", "-Physdrv[252:8,252:9]", "-a0"},
                  "\nAdapter 0: Configure Adapter Failed\n\nFW error description: Invalid parameter\n" + Exit(3), 3);
}

}  // namespace
