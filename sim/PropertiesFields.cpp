#include "PropertiesFields.h"

#include "SettingEnums.h"

namespace sim {
namespace {

using P = ControllerProperties;

const FieldDef<P> kFields[] = {
    NumberField("predictive_fail_poll_s", &P::predictiveFailPollSeconds, 0xFFFF),
    NumberField("interrupt_throttle_count", &P::interruptThrottleCount, 0xFFFF),
    NumberField("interrupt_throttle_us", &P::interruptThrottleMicroseconds, 0xFFFF),
    NumberField("rebuild_rate", &P::rebuildRate, 100),
    NumberField("patrol_read_rate", &P::patrolReadRate, 100),
    NumberField("bgi_rate", &P::bgiRate, 100),
    NumberField("cc_rate", &P::ccRate, 100),
    NumberField("reconstruction_rate", &P::reconstructionRate, 100),
    NumberField("cache_flush_interval_s", &P::cacheFlushIntervalSeconds, 0xFF),
    NumberField("spinup_drive_count", &P::spinupDriveCount, 0xFF),
    NumberField("spinup_delay_s", &P::spinupDelaySeconds, 0xFF),
    BoolField("cluster_enable", &P::clusterEnable),
    EnumField("coercion_mode", &P::coercionMode, CoercionNames()),
    BoolField("alarm_enable", &P::alarmEnable),
    BoolField("auto_rebuild", &P::autoRebuild),
    BoolField("battery_warning", &P::batteryWarning),
    NumberField("ecc_bucket_size", &P::eccBucketSize, 0xFF),
    NumberField("ecc_bucket_leak_rate_min", &P::eccBucketLeakRateMinutes, 0xFFFF),
    BoolField("restore_hot_spare_on_insertion", &P::restoreHotSpareOnInsertion),
    BoolField("expose_enclosure_devices", &P::exposeEnclosureDevices),
    BoolField("maintain_pd_fail_history", &P::maintainPdFailHistory),
    BoolField("host_request_reordering", &P::hostRequestReordering),
    BoolField("load_balance", &P::loadBalance),
    EnumField("backplane_detect", &P::backplaneDetect, BackplaneNames()),
    BoolField("use_fde_only", &P::useFdeOnly),
    BoolField("disable_copyback", &P::disableCopyback),
    BoolField("copyback_on_smart", &P::copybackOnSmart),
    BoolField("pr_correct_unconfigured_areas", &P::prCorrectUnconfiguredAreas),
    BoolField("copyback_to_ssd_on_smart_error", &P::copybackToSsdOnSmartError),
    BoolField("ssd_patrol_read", &P::ssdPatrolRead),
    BoolField("spin_down_unconfigured", &P::spinDownUnconfigured),
    BoolField("auto_enhanced_import", &P::autoEnhancedImport),
    BoolField("disable_online_controller_reset", &P::disableOnlineControllerReset),
    BoolField("allow_boot_with_preserved_cache", &P::allowBootWithPreservedCache),
    BoolField("disable_spin_down_hot_spares", &P::disableSpinDownHotSpares),
    BoolField("jbod_enabled", &P::jbodEnabled),
    BoolField("locate_by_disk_activity", &P::locateByDiskActivity),
    NumberField("spin_down_time", &P::spinDownTime, 0xFFFF),
    NumberField("default_ld_power_save_policy", &P::defaultLdPowerSavePolicy, 0xFF),
    NumberField("max_spinup_per_minute", &P::maxSpinupPerMinute, 0xFF),
};

}  // namespace

std::span<const FieldDef<ControllerProperties>> PropertiesFields() { return kFields; }

}  // namespace sim
