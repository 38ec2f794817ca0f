#include "PropertiesFields.h"

#include "SettingEnums.h"

namespace sim {
namespace {

using P = ControllerProperties;

constexpr PropertiesField Byte(const char* name, u64 P::*member, u32 offset, u64 max = 0xFF)
{
    return {NumberField(name, member, max), offset, 1, 0, 0, false};
}
constexpr PropertiesField Percent(const char* name, u64 P::*member, u32 offset) { return Byte(name, member, offset, 100); }
constexpr PropertiesField Word(const char* name, u64 P::*member, u32 offset)
{
    return {NumberField(name, member, 0xFFFF), offset, 2, 0, 0, false};
}
constexpr PropertiesField Flag(const char* name, u64 P::*member, u32 offset)
{
    return {BoolField(name, member), offset, 1, 0, 0, false};
}
// A setting the block carries as its "disabled" flag.
constexpr PropertiesField NotFlag(const char* name, u64 P::*member, u32 offset)
{
    return {BoolField(name, member), offset, 1, 0, 0, true};
}
constexpr PropertiesField FlagBit(const char* name, u64 P::*member, u32 offset, u8 bit)
{
    return {BoolField(name, member), offset, 1, bit, 1, false};
}
constexpr PropertiesField Choice(const char* name, u64 P::*member, u32 offset, std::span<const EnumName> names)
{
    return {EnumField(name, member, names), offset, 1, 0, 0, false};
}

constexpr u32 kFlags = 32;   // copyback, patrol read, encryption, NCQ, spin-down
constexpr u32 kFlags2 = 33;  // import, reset, pinned cache, hot-spare spin-down, JBOD, locate
constexpr u32 kFlags3 = 34;  // protection information, emergency spares, SGPIO

const PropertiesField kFields[] = {
    Word("predictive_fail_poll_s", &P::predictiveFailPollSeconds, 2),
    Word("interrupt_throttle_count", &P::interruptThrottleCount, 4),
    Word("interrupt_throttle_us", &P::interruptThrottleMicroseconds, 6),
    Percent("rebuild_rate", &P::rebuildRate, 8),
    Percent("patrol_read_rate", &P::patrolReadRate, 9),
    Percent("bgi_rate", &P::bgiRate, 10),
    Percent("cc_rate", &P::ccRate, 11),
    Percent("reconstruction_rate", &P::reconstructionRate, 12),
    Byte("cache_flush_interval_s", &P::cacheFlushIntervalSeconds, 13),
    Byte("spinup_drive_count", &P::spinupDriveCount, 14),
    Byte("spinup_delay_s", &P::spinupDelaySeconds, 15),
    Flag("cluster_enable", &P::clusterEnable, 16),
    Choice("coercion_mode", &P::coercionMode, 17, CoercionNames()),
    Flag("alarm_enable", &P::alarmEnable, 18),
    NotFlag("auto_rebuild", &P::autoRebuild, 19),
    NotFlag("battery_warning", &P::batteryWarning, 20),
    Byte("ecc_bucket_size", &P::eccBucketSize, 21),
    Word("ecc_bucket_leak_rate_min", &P::eccBucketLeakRateMinutes, 22),
    Flag("restore_hot_spare_on_insertion", &P::restoreHotSpareOnInsertion, 24),
    Flag("expose_enclosure_devices", &P::exposeEnclosureDevices, 25),
    Flag("maintain_pd_fail_history", &P::maintainPdFailHistory, 26),
    NotFlag("host_request_reordering", &P::hostRequestReordering, 27),
    Flag("abort_cc_on_error", &P::abortCcOnError, 28),
    NotFlag("load_balance", &P::loadBalance, 29),
    // Byte 30 names the backplane detection the controller leaves out; the codes line up with
    // the kinds it uses (0 none left out: SGPIO and i2c SEP, ..., 3 both left out: none).
    Choice("backplane_detect", &P::backplaneDetect, 30, BackplaneNames()),
    Percent("default_snapshot_space", &P::defaultSnapshotSpace, 31),
    FlagBit("disable_copyback", &P::disableCopyback, kFlags, 0),
    FlagBit("copyback_on_smart", &P::copybackOnSmart, kFlags, 1),
    FlagBit("pr_correct_unconfigured_areas", &P::prCorrectUnconfiguredAreas, kFlags, 2),
    FlagBit("use_fde_only", &P::useFdeOnly, kFlags, 3),
    FlagBit("disable_ncq", &P::disableNcq, kFlags, 4),
    FlagBit("copyback_to_ssd_on_smart_error", &P::copybackToSsdOnSmartError, kFlags, 5),
    FlagBit("ssd_patrol_read", &P::ssdPatrolRead, kFlags, 6),
    FlagBit("spin_down_unconfigured", &P::spinDownUnconfigured, kFlags, 7),
    FlagBit("auto_enhanced_import", &P::autoEnhancedImport, kFlags2, 0),
    FlagBit("disable_online_controller_reset", &P::disableOnlineControllerReset, kFlags2, 2),
    FlagBit("allow_boot_with_preserved_cache", &P::allowBootWithPreservedCache, kFlags2, 3),
    FlagBit("disable_spin_down_hot_spares", &P::disableSpinDownHotSpares, kFlags2, 4),
    FlagBit("jbod_enabled", &P::jbodEnabled, kFlags2, 5),
    FlagBit("locate_by_disk_activity", &P::locateByDiskActivity, kFlags2, 7),
    FlagBit("enable_pi", &P::enablePi, kFlags3, 0),
    FlagBit("prevent_pi_import", &P::preventPiImport, kFlags3, 1),
    FlagBit("emergency_spare_ghsp", &P::emergencySpareGhsp, kFlags3, 2),
    FlagBit("emergency_spare_ug", &P::emergencySpareUg, kFlags3, 3),
    FlagBit("emergency_spare_smarter", &P::emergencySpareSmarter, kFlags3, 4),
    FlagBit("force_sgpio", &P::forceSgpio, kFlags3, 5),
    Percent("auto_snapshot_space", &P::autoSnapshotSpace, 36),
    Percent("default_view_space", &P::defaultViewSpace, 37),
    Word("spin_down_time", &P::spinDownTime, 38),
    Byte("default_ld_power_save_policy", &P::defaultLdPowerSavePolicy, 40),
    Byte("disable_ld_ps_interval_h", &P::disableLdPsIntervalHours, 41),
    Word("disable_ld_ps_time_min", &P::disableLdPsTimeMinutes, 42),
    Byte("spinup_encl_drive_count", &P::spinupEnclosureDriveCount, 44),
    Byte("spinup_encl_delay_s", &P::spinupEnclosureDelaySeconds, 45),
    {NumberField("perf_mode", &P::perfMode, 3), 47, 1, 0, 2, false},
    Byte("perf_mode0_max_flush_lines", &P::perfMode0MaxFlushLines, 48),
    Byte("perf_mode0_order_ios", &P::perfMode0OrderIos, 49),
    Byte("perf_mode1_max_flush_lines", &P::perfMode1MaxFlushLines, 50),
    Byte("perf_mode1_order_ios", &P::perfMode1OrderIos, 51),
    Byte("max_spinup_per_minute", &P::maxSpinupPerMinute, kNotInBlock),
};

}  // namespace

std::span<const PropertiesField> PropertiesFields() { return kFields; }

}  // namespace sim
