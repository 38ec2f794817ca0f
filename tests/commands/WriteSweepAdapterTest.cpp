// The write sweep (tests/support/WriteSweep.h) over the commands that change the controller
// itself: maintenance, clock, PHY speed, settings and their files, properties, patrol read and
// schedules, event capture, statistics, the battery, the security key and drive firmware.
#include <gtest/gtest.h>

#include "support/DriveImage.h"
#include "support/WriteSweep.h"

namespace {


void AddCapability(Json& state, const char* name) { state["controllers"][0]["info"]["capabilities"].push_back(name); }

// The OEM mode that takes settings files, strip-size codes 3 to 9, and a file that changes one
// field.
void SettingsFile(WriteSweepTest& t, Json& state)
{
    Json& c = state["controllers"][0];
    c["oem"]["mode"] = 8;
    c["defaults"]["defaults_extent"] = 72;
    state["patches"].push_back({{"controller", 0}, {"opcode", "0x01010000"}, {"offset", 1512}, {"hex", "0309"}});
    t.PutFile("set.txt", "writeback = 2\n");
}

void PerfTuning(WriteSweepTest&, Json& state) { AddCapability(state, "perf_tuning"); }

void BatteryFile(WriteSweepTest& t, Json&) { t.PutFile("bbu.txt", "learnDelayInterval = 5\nautoLearnMode=1\n"); }

void DriveFirmware(WriteSweepTest& t, Json& state)
{
    const std::vector<std::uint8_t> image =
        driveimage::Build(SweepDrive(state, 8)["inquiry"]["product"].get<std::string>(), "B200", 40000);
    t.PutFile("fw.bin", std::string(image.begin(), image.end()));
}

const SweepGoesOn kInfoUnchecked = {0x01010000, "the controller information read is only the starting status"};
const SweepGoesOn kBatteryType = {0x05010000, "the battery type read at the start: a failure leaves type 0"};
const SweepGoesOn kCcSupported = {0x01140200, "only status 2 says no schedule; the change reads it again"};
const SweepGoesOn kPrStateUnread = {0x01070100, "a patrol-read state that cannot be read is not 'stopped': the stop is sent"};
const SweepGoesOn kDriveTypeIgnored = {0x02020000, "the drive type's read is not checked; the download reads it again"};
const std::vector<SweepGoesOn> kProperties = ModelReads({kInfoUnchecked, kNoOemBlock});

const char* const kSweepKey = "Abcdef1!";
// In OEM mode 2 the key is a pass phrase, and -DeleteSecurityKey is the command that destroys it.
void PassphraseMode(WriteSweepTest&, Json& state)
{
    AddCapability(state, "security");
    Json& oem = state["controllers"][0]["oem"];
    oem["mode"] = 2, oem["cluster_disable"] = 0, oem["sas_disable"] = 0, oem["max_disks"] = 0;
}

const std::vector<WriteSweepCase>& AdapterCases()
{
    static const std::vector<WriteSweepCase> cases = {
        // Maintenance and clock.
        {"AdpCacheFlush", {"-AdpCacheFlush", "-a0"}, nullptr, {}},
        {"AdpShutDown", {"-AdpShutDown", "-a0"}, nullptr, ModelReads()},
        {"AdpFacDefSet", {"-AdpFacDefSet", "-a0"}, nullptr, {}},
        {"AdpSetTime", {"-AdpSetTime", "20120528", "19:00:00", "-a0"}, nullptr, {}},
        {"PhySetLinkSpeed", {"-PhySetLinkSpeed", "-phy1", "-2", "-a0"}, nullptr, {}},
        {"AdpSettingsFromFile", {"-AdpSettings", "-Read", "-f", "set.txt", "-a0"}, SettingsFile, {}},
        // Properties.
        {"AdpSetPropRebuildRate", {"-AdpSetProp", "RebuildRate", "55", "-a0"}, nullptr, kProperties},
        {"AdpSetPropEnableJbod", {"-AdpSetProp", "EnableJBOD", "1", "-a0"}, nullptr, kProperties},
        {"AdpSetPropSpinDownTime", {"-AdpSetProp", "SpinDownTime", "60", "-a0"}, nullptr, kProperties},
        {"AdpSetPropDefaultLdPsPolicy", {"-AdpSetProp", "DefaultLdPSPolicy", "Maximum", "-a0"}, nullptr, kProperties},
        {"AdpSetPropDpmEnable", {"-AdpSetProp", "DPMenable", "1", "-a0"}, nullptr, kProperties},
        {"AdpSetPropPerfMode", {"-AdpSetProp", "Perfmode", "1", "-a0"}, PerfTuning, kProperties},
        {"AdpSetPropAlarmSilence", {"-AdpSetProp", "AlarmSilence", "-a0"}, nullptr, kProperties},
        {"AdpSetPropAlarmDsbl", {"-AdpSetProp", "AlarmDsbl", "-a0"}, nullptr, kProperties},
        {"AdpAutoRbldDsbl", {"-AdpAutoRbld", "-Dsbl", "-a0"}, nullptr, {}},
        {"AdpAutoRbldEnbl", {"-AdpAutoRbld", "-Enbl", "-a0"}, Lines({SweepLine{"-AdpAutoRbld", "-Dsbl", "-a0"}}), {}},
        {"AdpBiosBe", {"-AdpBIOS", "-BE", "-a0"}, nullptr, {}},
        {"AdpBiosDsbl", {"-AdpBIOS", "-Dsbl", "-a0"}, nullptr, {}},
        {"AdpBootDriveSet", {"-AdpBootDrive", "-Set", "-L1", "-a0"}, nullptr, {}},
        {"AdpBootDriveUnset", {"-AdpBootDrive", "-Unset", "-L1", "-a0"},
         Lines({SweepLine{"-AdpBootDrive", "-Set", "-L1", "-a0"}}), {}},
        {"AdpSetConnectorMode", {"-AdpSetConnectorMode", "-External", "-Connector1", "-a0"}, nullptr, ModelReads()},
        // Patrol read and the consistency-check schedule.
        {"AdpPrStart", {"-AdpPR", "-Start", "-a0"}, nullptr, ModelReads()},
        {"AdpPrStop", {"-AdpPR", "-Stop", "-a0"}, Lines({SweepLine{"-AdpPR", "-Start", "-a0"}}),
         ModelReads({kPrStateUnread})},
        {"AdpPrDsbl", {"-AdpPR", "-Dsbl", "-a0"}, nullptr, ModelReads()},
        {"AdpPrEnblAuto", {"-AdpPR", "-EnblAuto", "-a0"}, Lines({SweepLine{"-AdpPR", "-EnblMan", "-a0"}}),
         ModelReads()},
        {"AdpPrEnblMan", {"-AdpPR", "-EnblMan", "-a0"}, nullptr, ModelReads()},
        {"AdpPrSetDelay", {"-AdpPR", "-SetDelay", "24", "-a0"}, nullptr, ModelReads()},
        {"AdpPrSetStartTime", {"-AdpPR", "-setStartTime", "20240401", "2", "-a0"}, nullptr, ModelReads()},
        {"AdpPrMaxConcurrentPd", {"-AdpPR", "-maxConcurrentPD", "100", "-a0"}, nullptr, ModelReads()},
        {"AdpCcSchedDsbl", {"-AdpCcSched", "-Dsbl", "-a0"}, nullptr, ModelReads({kCcSupported})},
        {"AdpCcSchedModeConc",
         {"-AdpCcSched", "-ModeConc", "-ExcludeLD", "-L1", "-SetStartTime", "20240401", "3", "-SetDelay", "2", "-a0"},
         nullptr,
         ModelReads({kCcSupported})},
        {"AdpCcSchedSetStartTime", {"-AdpCcSched", "-SetStartTime", "20240401", "3", "-a0"}, nullptr,
         ModelReads({kCcSupported})},
        {"AdpCcSchedSetDelay", {"-AdpCcSched", "-SetDelay", "0", "-a0"}, nullptr, ModelReads({kCcSupported})},
        // Event capture, logs and statistics.
        {"AdpAecStart", {"-AdpAEC", "-start", "-numEvents", "10", "-a0"}, nullptr, ModelReads()},
        {"AdpAecStop", {"-AdpAEC", "-stop", "-a0"}, nullptr, ModelReads()},
        {"AdpAecCaptureMode", {"-AdpAEC", "-captureMode", "-full", "-a0"}, nullptr, ModelReads()},
        {"AdpAecFilter", {"-AdpAEC", "-filter", "3", "-group", "0", "-a0"}, nullptr, ModelReads()},
        {"FwTermLogClear", {"-FwTermLog", "-Clear", "-a0"}, nullptr, {}},
        {"FwTermLogBbuOffTemp", {"-FwTermLog", "-BBUoffTemp", "-a0"}, nullptr, {}},
        {"FwTermLogBbuOff", {"-FwTermLog", "-BBUoff", "-a0"}, nullptr, {}},
        {"FwTermLogBbuOn", {"-FwTermLog", "-BBUon", "-a0"}, Lines({SweepLine{"-FwTermLog", "-BBUoff", "-a0"}}), {}},
        {"DpmStatClearExt", {"-DpmStat", "-Clear", "ext", "-a0"}, nullptr, {}},
        {"DpmStatClearLct", {"-DpmStat", "-Clear", "lct", "-a0"}, nullptr, {}},
        {"PerfMonStart", {"-PerfMon", "-start", "-interval", "10", "-a0"}, nullptr, {}},
        {"PerfMonStop", {"-PerfMon", "-stop", "-a0"},
         Lines({SweepLine{"-PerfMon", "-start", "-interval", "10", "-a0"}}), {}},
        // The battery.
        {"BbuLearn", {"-AdpBbuCmd", "-BbuLearn", "-a0"}, nullptr, {kBatteryType}},
        {"BbuMfgSleep", {"-AdpBbuCmd", "-BbuMfgSleep", "-a0"}, nullptr, {kBatteryType}},
        {"BbuMfgSeal", {"-AdpBbuCmd", "-BbuMfgSeal", "-a0"}, nullptr, {kBatteryType}},
        {"BbuScheduleLearn", {"-AdpBbuCmd", "-ScheduleLearn", "-STARTTIME", "MON", "2", "-a0"}, nullptr, {kBatteryType}},
        {"BbuScheduleLearnDsbl", {"-AdpBbuCmd", "-ScheduleLearn", "-Dsbl", "-a0"}, nullptr, {kBatteryType}},
        {"BbuSetProperties", {"-AdpBbuCmd", "-SetBbuProperties", "-f", "bbu.txt", "-a0"}, BatteryFile, {kBatteryType}},
        // The security key in pass-phrase mode (the other key commands are in the drive list).
        {"DeleteSecurityKey", {"-DeleteSecurityKey", "-Force", "-a0"},
         After(PassphraseMode, {SweepLine{"-CreateSecurityKey", "-Passphrase", kSweepKey, "-a0"}}),
         ModelReads({kNoOemBlock})},
        // Drive firmware.
        {"PdFwDownload", {"-PdFwDownload", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"}, DriveFirmware, ModelReads({kDriveTypeIgnored})},
    };
    return cases;
}

class WriteSweepAdapter : public WriteSweepTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(WriteSweepAdapter, FailsBeforeWritingOrGoesOnAsItsRuleSays) { Sweep(AdapterCases()[GetParam()]); }

INSTANTIATE_TEST_SUITE_P(EveryAdapterWrite, WriteSweepAdapter, ::testing::Range<std::size_t>(0, AdapterCases().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) { return AdapterCases()[info.param].name; });

}  // namespace
