#include "PropertiesFields.h"

#include "SettingEnums.h"

namespace sim {
namespace {

using P = ControllerProperties;

namespace properties_block {

constexpr u32 kFlags = 32;   // copyback, patrol read, encryption, NCQ, spin-down
constexpr u32 kFlags2 = 33;  // import, reset, pinned cache, hot-spare spin-down, JBOD, locate
constexpr u32 kFlags3 = 34;  // protection information, emergency spares, SGPIO

}  // namespace properties_block

const PropertiesField kPropertiesFields[] = {
    WordField("predictive_fail_poll_s", &P::predictiveFailPollSeconds, 2),
    WordField("interrupt_throttle_count", &P::interruptThrottleCount, 4),
    WordField("interrupt_throttle_us", &P::interruptThrottleMicroseconds, 6),
    PercentField("rebuild_rate", &P::rebuildRate, 8),
    PercentField("patrol_read_rate", &P::patrolReadRate, 9),
    PercentField("bgi_rate", &P::bgiRate, 10),
    PercentField("cc_rate", &P::ccRate, 11),
    PercentField("reconstruction_rate", &P::reconstructionRate, 12),
    ByteField("cache_flush_interval_s", &P::cacheFlushIntervalSeconds, 13),
    ByteField("spinup_drive_count", &P::spinupDriveCount, 14),
    ByteField("spinup_delay_s", &P::spinupDelaySeconds, 15),
    FlagField("cluster_enable", &P::clusterEnable, 16),
    ChoiceField("coercion_mode", &P::coercionMode, 17, CoercionNames()),
    FlagField("alarm_enable", &P::alarmEnable, 18),
    NotFlagField("auto_rebuild", &P::autoRebuild, 19),
    NotFlagField("battery_warning", &P::batteryWarning, 20),
    ByteField("ecc_bucket_size", &P::eccBucketSize, 21),
    WordField("ecc_bucket_leak_rate_min", &P::eccBucketLeakRateMinutes, 22),
    FlagField("restore_hot_spare_on_insertion", &P::restoreHotSpareOnInsertion, 24),
    FlagField("expose_enclosure_devices", &P::exposeEnclosureDevices, 25),
    FlagField("maintain_pd_fail_history", &P::maintainPdFailHistory, 26),
    NotFlagField("host_request_reordering", &P::hostRequestReordering, 27),
    FlagField("abort_cc_on_error", &P::abortCcOnError, 28),
    NotFlagField("load_balance", &P::loadBalance, 29),
    // Byte 30 names the backplane detection the controller leaves out; the codes line up with
    // the kinds it uses (0 none left out: SGPIO and i2c SEP, ..., 3 both left out: none).
    ChoiceField("backplane_detect", &P::backplaneDetect, 30, BackplaneNames()),
    PercentField("default_snapshot_space", &P::defaultSnapshotSpace, 31),
    FlagBitField("disable_copyback", &P::disableCopyback, properties_block::kFlags, 0),
    FlagBitField("copyback_on_smart", &P::copybackOnSmart, properties_block::kFlags, 1),
    FlagBitField("pr_correct_unconfigured_areas", &P::prCorrectUnconfiguredAreas, properties_block::kFlags, 2),
    FlagBitField("use_fde_only", &P::useFdeOnly, properties_block::kFlags, 3),
    FlagBitField("disable_ncq", &P::disableNcq, properties_block::kFlags, 4),
    FlagBitField("copyback_to_ssd_on_smart_error", &P::copybackToSsdOnSmartError, properties_block::kFlags, 5),
    FlagBitField("ssd_patrol_read", &P::ssdPatrolRead, properties_block::kFlags, 6),
    FlagBitField("spin_down_unconfigured", &P::spinDownUnconfigured, properties_block::kFlags, 7),
    FlagBitField("auto_enhanced_import", &P::autoEnhancedImport, properties_block::kFlags2, 0),
    FlagBitField("disable_online_controller_reset", &P::disableOnlineControllerReset, properties_block::kFlags2, 2),
    FlagBitField("allow_boot_with_preserved_cache", &P::allowBootWithPreservedCache, properties_block::kFlags2, 3),
    FlagBitField("disable_spin_down_hot_spares", &P::disableSpinDownHotSpares, properties_block::kFlags2, 4),
    FlagBitField("jbod_enabled", &P::jbodEnabled, properties_block::kFlags2, 5),
    FlagBitField("locate_by_disk_activity", &P::locateByDiskActivity, properties_block::kFlags2, 7),
    FlagBitField("enable_pi", &P::enablePi, properties_block::kFlags3, 0),
    FlagBitField("prevent_pi_import", &P::preventPiImport, properties_block::kFlags3, 1),
    FlagBitField("emergency_spare_ghsp", &P::emergencySpareGhsp, properties_block::kFlags3, 2),
    FlagBitField("emergency_spare_ug", &P::emergencySpareUg, properties_block::kFlags3, 3),
    FlagBitField("emergency_spare_smarter", &P::emergencySpareSmarter, properties_block::kFlags3, 4),
    FlagBitField("force_sgpio", &P::forceSgpio, properties_block::kFlags3, 5),
    PercentField("auto_snapshot_space", &P::autoSnapshotSpace, 36),
    PercentField("default_view_space", &P::defaultViewSpace, 37),
    WordField("spin_down_time", &P::spinDownTime, 38),
    ByteField("default_ld_power_save_policy", &P::defaultLdPowerSavePolicy, 40),
    ByteField("disable_ld_ps_interval_h", &P::disableLdPsIntervalHours, 41),
    WordField("disable_ld_ps_time_min", &P::disableLdPsTimeMinutes, 42),
    ByteField("spinup_encl_drive_count", &P::spinupEnclosureDriveCount, 44),
    ByteField("spinup_encl_delay_s", &P::spinupEnclosureDelaySeconds, 45),
    {NumberField("perf_mode", &P::perfMode, 3), 47, 1, 0, 2, false},
    ByteField("perf_mode0_max_flush_lines", &P::perfMode0MaxFlushLines, 48),
    ByteField("perf_mode0_order_ios", &P::perfMode0OrderIos, 49),
    ByteField("perf_mode1_max_flush_lines", &P::perfMode1MaxFlushLines, 50),
    ByteField("perf_mode1_order_ios", &P::perfMode1OrderIos, 51),
    ByteField("max_spinup_per_minute", &P::maxSpinupPerMinute, kNotInBlock),
};

}  // namespace

std::span<const PropertiesField> PropertiesFields() { return kPropertiesFields; }

}  // namespace sim
