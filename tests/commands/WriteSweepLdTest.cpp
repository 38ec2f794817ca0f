// The write sweep (tests/support/WriteSweep.h) over the commands that change virtual drives,
// their background work and caches, foreign configurations and the FlashTier.
// The default state: a RAID 5 (virtual drive 0) of slots 0-3, a RAID 1 (virtual drive 1) of
// slots 4-5, a hot spare in slot 6, unconfigured drives in slots 7-9 (devices 15-17; 8 and 9 are
// solid state drives).
#include <gtest/gtest.h>

#include "commands/CfgTestSupport.h"
#include "support/SimDriveMove.h"
#include "support/WriteSweep.h"

namespace {


Json& Vd(Json& state, unsigned index) { return state["controllers"][0]["config"]["virtual_drives"][index]; }

// The RAID 1 holds 1 GB of its drives: room to expand into.
void RoomToGrow(WriteSweepTest&, Json& state) { Vd(state, 1)["blocks"] = 2 * 1024 * 1024; }

// The RAID 1's drives lost with cache held for it; target 5 gone with its cache kept.
void PreservedCache(WriteSweepTest&, Json& state)
{
    Vd(state, 1)["preserved_cache"] = true;
    SweepDrive(state, 12)["state"] = "offline";
    SweepDrive(state, 13)["state"] = "offline";
    state["controllers"][0]["preserved_cache_missing_vds"] = {5};
}

void BadBlocks(WriteSweepTest&, Json& state)
{
    Vd(state, 1)["bad_blocks"] = true;
    Vd(state, 1)["bad_block_table"] = {{"corrected", 3}, {"uncorrected", 258}};
}

// A second default controller holding the RAID 1 of the first, moved into its slots 10 and 11.
void ForeignConfig(WriteSweepTest&, Json& state)
{
    state["controllers"].push_back(state["controllers"][0]);
    state = MoveDrives(state, 0, 1, {{12, 252, 10}, {13, 252, 11}});
}

// The RAID 5 not yet consistent, its background initialization turned off: turning it on starts one.
void BgiOff(WriteSweepTest&, Json& state)
{
    Vd(state, 0)["consistent"] = false;
    Vd(state, 0)["bgi_disabled"] = true;
}

void FlashTier(WriteSweepTest&, Json& state) { cfg_e2e::AddFlashTierCache(state); }

const SweepGoesOn kAllowedOpsUnread = {0x030B0000, "a drive whose allowed operations cannot be read has a mirror"};

const SweepLine kCcStartLine = {"-LDCC", "-Start", "-L1", "-a0"};
const SweepLine kInitStart = {"-LDInit", "-Start", "-L1", "-a0"};
const SweepLine kReconStart = {"-LDRecon", "-Start", "-r5", "-Add", "-PhysDrv[252:7]", "-L1", "-a0"};

const std::vector<WriteSweepCase>& LdCases()
{
    static const std::vector<WriteSweepCase> cases = {
        // Properties.
        {"LdSetPropWt", {"-LDSetProp", "WT", "-L0", "-a0"}, nullptr, {}},
        {"LdSetPropName", {"-LDSetProp", "-Name", "Scratch", "-L1", "-a0"}, nullptr, {}},
        {"LdSetPropDiskCacheAll", {"-LDSetProp", "DisDskCache", "-LALL", "-a0"}, nullptr, {}},
        {"LdSetPropReadOnly", {"-LDSetProp", "-RO", "-L1", "-a0"}, nullptr, {}},
        {"LdSetPropCached", {"-LDSetProp", "Cached", "-L1", "-a0"}, nullptr, {}},
        {"LdSetPropNoReadAhead", {"-LDSetProp", "NORA", "-L1", "-a0"}, nullptr, {}},
        {"LdSetPropBlocked", {"-LDSetProp", "-Blocked", "-L1", "-a0"}, nullptr, {}},
        {"LdSetPowerPolicy", {"-LDSetPowerPolicy", "-Automatic", "-L1", "-a0"}, nullptr, ModelReads()},
        // Background work.
        {"LdCcStart", kCcStartLine, nullptr, {}},
        {"LdCcAbort", {"-LDCC", "-Abort", "-L1", "-a0"}, Lines({kCcStartLine}), {}},
        {"LdCcSuspend", {"-LDCC", "-Suspend", "-L1", "-a0"}, Lines({kCcStartLine}), {}},
        {"LdCcResume", {"-LDCC", "-Resume", "-L1", "-a0"},
         Lines({kCcStartLine, SweepLine{"-LDCC", "-Suspend", "-L1", "-a0"}}), {}},
        {"LdInitStart", {"-LDInit", "-Start", "-Full", "-L0", "-a0"}, nullptr, {}},
        {"LdInitAbort", {"-LDInit", "-Abort", "-L1", "-a0"}, Lines({kInitStart}), {}},
        {"LdBiDsbl", {"-LDBI", "-Dsbl", "-L0", "-a0"}, nullptr, {}},
        {"LdBiEnbl", {"-LDBI", "-Enbl", "-L0", "-a0"}, BgiOff, {}},
        {"LdBiAbort", {"-LDBI", "-Abort", "-L0", "-a0"}, After(BgiOff, {SweepLine{"-LDBI", "-Enbl", "-L0", "-a0"}}),
         {}},
        {"LdReconStart", kReconStart, nullptr, {}},
        {"LdReconSuspend", {"-LDRecon", "-Suspend", "-L1", "-a0"}, Lines({kReconStart}), {}},
        {"LdReconResume", {"-LDRecon", "-Resume", "-L1", "-a0"},
         Lines({kReconStart, SweepLine{"-LDRecon", "-Suspend", "-L1", "-a0"}}), {}},
        {"LdExpansion", {"-LdExpansion", "-p100", "-L1", "-a0"}, RoomToGrow, {}},
        // Mirrors, caches and bad blocks.
        {"LdJoinMirror", {"-LDJoinMirror", "-DataSrc", "0", "-L1", "-a0"}, nullptr, ModelReads({kAllowedOpsUnread})},
        {"DiscardPreservedCache", {"-DiscardPreservedCache", "-L5", "-a0"}, PreservedCache, ModelReads()},
        {"DiscardPreservedCacheForce", {"-DiscardPreservedCache", "-L1", "-force", "-a0"}, PreservedCache, ModelReads()},
        {"LdBbmClr", {"-LDBBMClr", "-L1", "-a0"}, BadBlocks, {}},
        // Foreign configurations, saved configurations and the FlashTier.
        {"CfgForeignImport", {"-CfgForeign", "-Import", "-a1"}, ForeignConfig, ModelReads({kNoOemBlock})},
        {"CfgForeignClear", {"-CfgForeign", "-Clear", "0", "-a1"}, ForeignConfig, ModelReads({kNoOemBlock})},
        {"CfgRestore", {"-CfgRestore", "-f", "saved.cfg", "-a0"},
         Lines({SweepLine{"-CfgSave", "-f", "saved.cfg", "-a0"}, SweepLine{"-CfgClr", "-Force", "-a0"}}), {}},
        {"CfgFlashTierAdd", {"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-Name", "cache", "-a0"}, nullptr, ModelReads()},
        {"FlashTierAssign", {"-FlashTier", "-assign", "-L0", "-a0"}, FlashTier, ModelReads()},
        {"FlashTierRemove", {"-FlashTier", "-remove", "-L0", "-a0"},
         After(FlashTier, {SweepLine{"-FlashTier", "-assign", "-L0", "-a0"}}), ModelReads()},
    };
    return cases;
}

class WriteSweepLd : public WriteSweepTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(WriteSweepLd, FailsBeforeWritingOrGoesOnAsItsRuleSays) { Sweep(LdCases()[GetParam()]); }

INSTANTIATE_TEST_SUITE_P(EveryVirtualDriveWrite, WriteSweepLd, ::testing::Range<std::size_t>(0, LdCases().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) { return LdCases()[info.param].name; });

}  // namespace
