// The write sweep (tests/support/WriteSweep.h) over every command that writes to the controller.
// The default state: enclosure 252 with a RAID 5 of slots 0-3 (devices 8-11, virtual drive 0),
// a RAID 1 of slots 4-5 (virtual drive 1), a global hot spare in slot 6 and unconfigured drives
// in slots 7-9 (devices 15-17).
#include <gtest/gtest.h>

#include "commands/CfgTestSupport.h"
#include "support/FwImageBuilder.h"
#include "support/WriteSweep.h"

namespace {


void EmptyConfig(WriteSweepTest&, Json& state)
{
    Json& controller = state["controllers"][0];
    controller["config"] = {{"arrays", Json::array()}, {"virtual_drives", Json::array()}, {"spares", Json::array()}};
    for (Json& drive : controller["drives"])
        drive["state"] = "unconfigured_good";
}

// No configuration, and every drive a SAS hard disk like slot 0.
void AllHdd(WriteSweepTest& t, Json& state)
{
    EmptyConfig(t, state);
    Json& controller = state["controllers"][0];
    for (Json& drive : controller["drives"]) {
        drive["media"] = "hdd";
        drive["interface"] = "sas";
        drive["blocks"] = controller["drives"][0]["blocks"];
    }
}

// The RAID 5 degraded: its hot spare gone and slot 1 offline.
void Degraded(WriteSweepTest& t, Json& state)
{
    t.RunOnState(state, {SweepLine{"-PDHSP", "-Rmv", "-PhysDrv[252:6]", "-a0"},
                         SweepLine{"-PDOffline", "-PhysDrv[252:1]", "-a0"}});
}

void FlashImage(WriteSweepTest& t, Json&)
{
    ASSERT_TRUE(fwimage::ApplicationImage("4.730.00-0050", "24.12.1-0010").WriteTo(t.Folder() + "/fw.rom"));
}

const SweepLine kCreateKey = {"-CreateSecurityKey", "-SecurityKey", "Abcdef1!", "-a0"};

// Slot 7 (device 15) locked by the key of another controller.
void LockedForeignDrive(WriteSweepTest&, Json& state)
{
    Json& drive = SweepDrive(state, 15);
    drive["security"] = {"fde_capable", "encryption_enabled", "secured", "locked", "foreign_secured"};
    drive["foreign"] = true;
}

const SweepLine kStartClear = {"-PDClear", "-Start", "-PhysDrv[252:7]", "-a0"};
const SweepLine kStartRebuild = {"-PDRbld", "-Start", "-PhysDrv[252:1]", "-a0"};
const SweepLine kStartCopyback = {"-PDCpyBk", "-Start", "-PhysDrv[252:0,252:7]", "-a0"};
const SweepLine kStartPdErase = {"-SecureErase", "Start", "-PhysDrv[252:7]", "-a0"};
const SweepLine kStartVdErase = {"-SecureErase", "Start", "-L1", "-a0"};

const std::vector<WriteSweepCase>& DriveCases()
{
    static const std::vector<WriteSweepCase> cases = {
        // Configuration.
        {"CfgLdAdd", {"-CfgLdAdd", "-r1[252:8,252:9]", "-a0"}, nullptr, ModelReads({kNoOemBlock})},
        {"CfgLdAddSizesAndHotSpare",
         {"-CfgLdAdd", "-r1[252:8,252:9]", "-sz10GB", "-sz10GB", "-Hsp[252:7]", "-a0"},
         nullptr,
         ModelReads({kNoOemBlock})},
        {"CfgSpanAdd",
         {"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-a0"},
         EmptyConfig,
         ModelReads({kNoOemBlock})},
        {"CfgAllFreeDrv", {"-CfgAllFreeDrv", "-r1", "-HspCount", "1", "-a0"}, nullptr, ModelReads()},
        // Four spans of two; fewer spans are tried only when four cannot be made.
        {"CfgAllFreeDrvSpans", {"-CfgAllFreeDrv", "-r1", "-SpanCount", "4", "-HspCount", "2", "-a0"}, AllHdd, ModelReads()},
        {"CfgEachDskRaid0", {"-CfgEachDskRaid0", "-a0"}, nullptr, {kNoOemBlock}},
        {"CfgEachDskRaid0Options", {"-CfgEachDskRaid0", "WB", "RA", "-strpsz128", "-a0"}, AllHdd, {kNoOemBlock}},
        {"CfgClr", {"-CfgClr", "-Force", "-a0"}, nullptr, {}},
        {"CfgLdDel", {"-CfgLdDel", "-L1", "-a0"}, nullptr, ModelReads()},
        {"CfgFlashTierDel", {"-CfgFlashTierDel", "-L2", "-a0"},
         [](WriteSweepTest&, Json& state) { cfg_e2e::AddFlashTierCache(state); },
         ModelReads()},
        // Adapter.
        {"DirectPdMappingEnbl", {"-DirectPdMapping", "-Enbl", "-a0"}, nullptr, {}},
        {"DirectPdMappingDsbl", {"-DirectPdMapping", "-Dsbl", "-a0"}, nullptr, {}},
        {"AdpEventLogClear", {"-AdpEventLog", "-Clear", "-a0"}, nullptr, {}},
        {"AdpFwFlash", {"-AdpFwFlash", "-f", "fw.rom", "-a0"}, FlashImage, {}},
        // Drive states.
        {"PdHspSet", {"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"}, nullptr, {}},
        {"PdHspSetDedicated", {"-PDHSP", "-Set", "-Dedicated", "-Array0", "-PhysDrv[252:7]", "-a0"}, nullptr, {}},
        {"PdHspRmv", {"-PDHSP", "-Rmv", "-PhysDrv[252:6]", "-a0"}, nullptr, {}},
        {"PdOffline", {"-PDOffline", "-PhysDrv[252:1]", "-a0"}, nullptr, {}},
        {"PdOnline", {"-PDOnline", "-PhysDrv[252:1]", "-a0"}, Degraded, {}},
        {"PdMarkMissing", {"-PdMarkMissing", "-PhysDrv[252:1]", "-a0"}, Degraded, {}},
        {"PdReplaceMissing",
         {"-PdReplaceMissing", "-PhysDrv[252:7]", "-Array0", "-Row1", "-a0"},
         After(Degraded, {SweepLine{"-PdMarkMissing", "-PhysDrv[252:1]", "-a0"}}),
         {}},
        {"PdMakeGood",
         {"-PDMakeGood", "-PhysDrv[252:7]", "-a0"},
         [](WriteSweepTest&, Json& state) { SweepDrive(state, 15)["state"] = "unconfigured_bad"; },
         {}},
        {"PdMakeJbod",
         {"-PDMakeJBOD", "-PhysDrv[252:7]", "-a0"},
         [](WriteSweepTest&, Json& state) { state["controllers"][0]["properties"]["jbod_enabled"] = true; },
         {}},
        {"PdPrpRmv", {"-PdPrpRmv", "-PhysDrv[252:7]", "-a0"}, nullptr, {}},
        {"PdPrpRmvUndo",
         {"-PdPrpRmv", "-UnDo", "-PhysDrv[252:7]", "-a0"},
         [](WriteSweepTest&, Json& state) { SweepDrive(state, 15)["spun_down"] = true; },
         {}},
        {"PdLocateStart", {"-PdLocate", "-PhysDrv[252:7]", "-a0"}, nullptr, {}},
        {"PdLocateStop", {"-PdLocate", "-Stop", "-PhysDrv[252:7]", "-a0"}, nullptr, {}},
        // Drive security.
        {"CreateSecurityKey", kCreateKey, nullptr, ModelReads({kNoOemBlock})},
        {"ChangeSecurityKey", {"-ChangeSecurityKey", "-OldSecurityKey", "Abcdef1!", "-SecurityKey", "Zyxwvu9#", "-a0"},
         Lines({kCreateKey}), ModelReads({kNoOemBlock})},
        {"SetKeyID", {"-SetKeyID", "-KeyID", "rack-7", "-a0"}, Lines({kCreateKey}), ModelReads()},
        {"DestroySecurityKey", {"-DestroySecurityKey", "-Force", "-a0"}, Lines({kCreateKey}), ModelReads({kNoOemBlock})},
        {"LDMakeSecure", {"-LDMakeSecure", "-L1", "-a0"}, Lines({kCreateKey}), {}},
        {"PDInstantSecureErase", {"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"}, LockedForeignDrive,
         {{0x02020000, "a reprovision flag that cannot be read counts as clear; the erase flags read the record again"}}},
        // Background work.
        {"PdClearStart", {"-PDClear", "-Start", "-PhysDrv[252:7]", "-a0"}, nullptr, {}},
        {"PdClearStop", {"-PDClear", "-Stop", "-PhysDrv[252:7]", "-a0"},
         Lines({kStartClear}), {}},
        {"PdRbldStart", {"-PDRbld", "-Start", "-PhysDrv[252:1]", "-a0"}, Degraded, {}},
        {"PdRbldStop", {"-PDRbld", "-Stop", "-PhysDrv[252:1]", "-a0"},
         After(Degraded, {kStartRebuild}), {}},
        {"PdRbldSuspend", {"-PDRbld", "-Suspend", "-PhysDrv[252:1]", "-a0"},
         After(Degraded, {kStartRebuild}), {}},
        {"PdRbldResume", {"-PDRbld", "-Resume", "-PhysDrv[252:1]", "-a0"},
         After(Degraded, {kStartRebuild, SweepLine{"-PDRbld", "-Suspend", "-PhysDrv[252:1]", "-a0"}}), {}},
        {"PdCpyBkStart", {"-PDCpyBk", "-Start", "-PhysDrv[252:0,252:7]", "-a0"}, nullptr, {}},
        {"PdCpyBkStop", {"-PDCpyBk", "-Stop", "-PhysDrv[252:7]", "-a0"},
         Lines({kStartCopyback}), {}},
        {"PdCpyBkSuspend", {"-PDCpyBk", "-Suspend", "-PhysDrv[252:7]", "-a0"},
         Lines({kStartCopyback}), {}},
        {"PdCpyBkResume", {"-PDCpyBk", "-Resume", "-PhysDrv[252:7]", "-a0"},
         Lines({kStartCopyback, SweepLine{"-PDCpyBk", "-Suspend", "-PhysDrv[252:7]", "-a0"}}), {}},
        {"SecureEraseStart",
         {"-SecureErase", "Start", "Thorough", "ErasePattern", "11110000", "-PhysDrv[252:7,252:8]", "-a0"},
         nullptr,
         {{0x02020000, "a drive whose state cannot be read is skipped as not ready for the erase; the next starts"}}},
        {"SecureEraseStop", {"-SecureErase", "Stop", "-PhysDrv[252:7]", "-a0"}, Lines({kStartPdErase}), {}},
        {"SecureEraseVdStart",
         {"-SecureErase", "Start", "DeleteVd", "-L0,1", "-a0"},
         nullptr,
         {{0x030B0000, "a virtual drive whose allowed operations cannot be read is skipped; the next starts"}}},
        {"SecureEraseVdStop", {"-SecureErase", "Stop", "-LALL", "-a0"}, Lines({kStartVdErase}), {}},
    };
    return cases;
}

class WriteSweep : public WriteSweepTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(WriteSweep, FailsBeforeWritingOrGoesOnAsItsRuleSays) { Sweep(DriveCases()[GetParam()]); }

INSTANTIATE_TEST_SUITE_P(EveryWritingCommand, WriteSweep, ::testing::Range<std::size_t>(0, DriveCases().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) { return DriveCases()[info.param].name; });

}  // namespace
