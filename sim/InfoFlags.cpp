#include "InfoFlags.h"

#include "InfoLayout.h"

// The block's fields are named in the layout's own namespace.
namespace sim::info {
namespace {

constexpr NamedBit kHostInterfaceTable[] = {
    {"pcix", kHostInterface, 0, false},
    {"pcie", kHostInterface, 1, false},
    {"iscsi", kHostInterface, 2, false},
    {"sas_3g", kHostInterface, 3, false},
};

constexpr NamedBit kDeviceInterfaceTable[] = {
    {"spi", kDeviceInterface, 0, false},      {"sas_3g", kDeviceInterface, 1, false},
    {"sata_1_5g", kDeviceInterface, 2, false}, {"sata_3g", kDeviceInterface, 3, false},
    {"sas_6g", kDeviceInterface, 4, false},   {"sas_12g", kDeviceInterface, 5, false},
};

// Bit 0 of byte 1456 (battery backup unit) follows the battery's presence.
constexpr NamedBit kHardwarePresentTable[] = {
    {"alarm", kHardwarePresent, 1, false},
    {"nvram", kHardwarePresent, 2, false},
    {"serial_debugger", kHardwarePresent, 3, false},
    {"memory", kHardwarePresent, 4, false},
    {"flash", kHardwarePresent, 5, false},
    {"tpm", kHardwarePresent, 6, false},
    {"onboard_expander", kHardwarePresent, 7, false},
    {"roc_temperature_sensor", kHardwarePresent2, 2, false},
    {"controller_temperature_sensor", kHardwarePresent2, 3, false},
};

// RAID 00 is reported by a clear bit.
constexpr NamedBit kRaidLevelsTable[] = {
    {"0", kRaidLevels, 0, false},      {"1", kRaidLevels, 1, false},          {"5", kRaidLevels, 2, false},
    {"1e", kRaidLevels, 3, false},     {"6", kRaidLevels, 4, false},          {"10", kRaidLevels, 5, false},
    {"50", kRaidLevels, 6, false},     {"60", kRaidLevels, 7, false},         {"srl3", kRaidQualifiers, 0, false},
    {"00", kRaidQualifiers, 1, true},  {"prl11", kRaidQualifiers, 2, false}, {"prl11_span", kRaidQualifiers, 3, false},
};

constexpr NamedBit kDriveSupportTable[] = {
    {"sas", kDriveSupport, 0, false},
    {"sata", kDriveSupport, 1, false},
    {"mix_in_enclosure", kDriveSupport, 2, false},
    {"hdd_sas_sata_mix_in_vd", kDriveSupport, 3, false},
    {"sata_in_cluster", kDriveSupport, 4, false},
    {"ssd_sas_sata_mix_in_vd", kDriveSupport, 5, false},
    {"ssd_hdd_mix_in_vd", kDriveSupport, 6, false},
};

constexpr NamedBit kCapabilitiesTable[] = {
    // Supported adapter operations.
    {"rebuild_rate", kAdapterOps, 0, false},
    {"cc_rate", kAdapterOps, 1, false},
    {"bgi_rate", kAdapterOps, 2, false},
    {"reconstruct_rate", kAdapterOps, 3, false},
    {"patrol_read_rate", kAdapterOps, 4, false},
    {"alarm_control", kAdapterOps, 5, false},
    {"cluster_support", kAdapterOps, 6, false},
    {"bbu", kAdapterOps, 7, false},
    {"spanning", kAdapterOps + 1, 0, false},
    {"dedicated_hot_spare", kAdapterOps + 1, 1, false},
    {"revertible_hot_spares", kAdapterOps + 1, 2, false},
    {"foreign_config_import", kAdapterOps + 1, 3, false},
    {"self_diagnostic", kAdapterOps + 1, 4, false},
    {"mixed_redundancy_on_array", kAdapterOps + 1, 5, false},
    {"global_hot_spares", kAdapterOps + 1, 6, false},
    {"deny_scsi_passthrough", kAdapterOps + 1, 7, false},
    {"deny_smp_passthrough", kAdapterOps + 2, 0, false},
    {"deny_stp_passthrough", kAdapterOps + 2, 1, false},
    {"connector_info", kAdapterOps + 2, 5, false},
    {"allowed_operations", kAdapterOps + 2, 6, false},
    {"security", kAdapterOps + 3, 2, false},
    {"more_than_8_phys", kAdapterOps + 3, 3, false},
    {"oce_without_adding_drives", kAdapterOps + 3, 4, false},
    {"ekm", kAdapterOps + 3, 5, false},
    {"snapshot", kAdapterOps + 3, 6, false},
    // Supported virtual-drive operations and SSD caching.
    {"vd_read_policy", kVdOps, 0, false},
    {"vd_write_policy", kVdOps, 1, false},
    {"vd_io_policy", kVdOps, 2, false},
    {"vd_access_policy", kVdOps, 3, false},
    {"vd_disk_cache_policy", kVdOps, 4, false},
    {"vd_reconstruction", kVdOps, 5, false},
    {"vd_deny_locate", kVdOps, 6, false},
    {"vd_deny_cc", kVdOps, 7, false},
    {"vd_ctrl_encryption", kVdOps + 1, 0, false},
    {"vd_bbm", kVdOps + 1, 1, false},
    {"perf_monitor", kVdOps + 1, 3, false},
    {"vd_power_savings", kVdOps + 1, 4, false},
    {"max_power_saving_without_caching", kVdOps + 1, 5, false},
    {"vd_break_mirror", kVdOps + 1, 6, false},
    {"ssc_write_back", kVdOps + 1, 7, false},
    {"ssc_vd_association", kVdOps + 2, 0, false},
    {"foreign_import_all", kVdOps + 2, 1, false},
    {"ssc_raid5", kRaidQualifiers, 6, false},
    // Supported physical-drive operations.
    {"pd_force_online", kPdOps, 0, false},
    {"pd_force_offline", kPdOps, 1, false},
    {"pd_force_rebuild", kPdOps, 2, false},
    {"pd_deny_force_failed", kPdOps, 3, false},
    {"pd_deny_force_good_bad", kPdOps, 4, false},
    {"pd_deny_missing_replace", kPdOps, 5, false},
    {"pd_deny_clear", kPdOps, 6, false},
    {"pd_deny_locate", kPdOps, 7, false},
    {"spin_down", kPdOps + 1, 0, false},
    {"spin_up_before_config", kPdOps + 1, 1, false},
    {"t10_power_state", kPdOps + 1, 2, false},
    {"pd_temperature", kPdOps + 1, 3, false},
    // Protection information and later additions.
    {"pi", kPiFlags, 0, false},
    {"vd_pi_type1", kPiFlags, 1, false},
    {"vd_pi_type2", kPiFlags, 2, false},
    {"vd_pi_type3", kPiFlags, 3, false},
    {"shield_state", kPiFlags, 5, false},
    {"block_ssd_write_cache_change", kPiFlags, 6, false},
    {"bg_op_suspend_resume", kPiFlags, 7, false},
    {"emergency_spares", kMoreCapabilities, 0, false},
    {"perf_tuning", kMoreCapabilities, 5, false},
    {"ssd_patrol_read_support", kMoreCapabilities, 6, false},
    {"real_time_scheduling", kMoreCapabilities, 7, false},
};

constexpr NamedBit kStatusFlagsTable[] = {
    {"security_key_assigned", kStatusFlags, 1, false},
    {"security_key_failed", kStatusFlags, 2, false},
    {"security_key_not_backed_up", kStatusFlags, 3, false},
    {"offline_vd_cache_preserved", kStatusFlags, 5, false},
    {"reboot_required", kStatusFlags, 6, false},
};

}  // namespace
}  // namespace sim::info

namespace sim {

std::span<const NamedBit> HostInterfaceBits() { return info::kHostInterfaceTable; }
std::span<const NamedBit> DeviceInterfaceBits() { return info::kDeviceInterfaceTable; }
std::span<const NamedBit> HardwarePresentBits() { return info::kHardwarePresentTable; }
std::span<const NamedBit> RaidLevelBits() { return info::kRaidLevelsTable; }
std::span<const NamedBit> DriveSupportBits() { return info::kDriveSupportTable; }
std::span<const NamedBit> CapabilityBits() { return info::kCapabilitiesTable; }
std::span<const NamedBit> StatusFlagBits() { return info::kStatusFlagsTable; }

}  // namespace sim
