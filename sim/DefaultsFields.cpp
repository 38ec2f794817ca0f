#include "DefaultsFields.h"

#include "SettingEnums.h"

namespace sim {
namespace {

using D = ControllerDefaults;

namespace defaults_block {

constexpr u32 kExtendedFlags = 64;  // bit 0 TTY log in flash, 1 auto enhanced import, 2-3 break-
                                    // mirror RAID support, 4 disable join mirror, 5 protection
                                    // information, 6 prevent its import, 7 shield state
constexpr u32 kSpareFlags = 65;     // emergency spares, write cache and SMART error handling

}  // namespace defaults_block

const DefaultsField kDefaultsFields[] = {
    AddressField("sas_address", &D::sasAddress, 0),
    ByteField("phy_polarity", &D::phyPolarity, 8),
    ByteField("background_rate", &D::backgroundRate, 9),
    StripField("strip_size_kb", &D::stripSizeCode, 10),
    ByteField("cache_flush_time_s", &D::cacheFlushTime, 11),
    ChoiceField("write_policy", &D::writePolicy, 12, WritePolicyNames()),
    ChoiceField("read_policy", &D::readPolicy, 13, ReadPolicyNames()),
    FlagField("cache_when_bbu_bad", &D::cacheWhenBbuBad, 14),
    FlagByteField("cached_io", &D::cachedIo, 15),
    ChoiceField("smart_mode", &D::smartMode, 16, SmartModeNames()),
    FlagField("alarm", &D::alarm, 17),
    ChoiceField("coercion_mode", &D::coercionMode, 18, CoercionNames()),
    ByteField("zcr_config", &D::zcrConfig, 19),
    FlagField("dirty_led_shows_activity", &D::dirtyLedShowsActivity, 20),
    FlagField("bios_continue_on_error", &D::biosContinueOnError, 21),
    ChoiceField("spin_down_mode", &D::spinDownMode, 22, SpinDownModeNames()),
    ChoiceField("allowed_device_type", &D::allowedDeviceType, 23, DeviceTypeNames()),
    FlagByteField("allow_mix_in_enclosure", &D::allowMixInEnclosure, 24),
    FlagByteField("allow_hdd_sas_sata_mix_in_vd", &D::allowHddSasSataMixInVd, 25),
    FlagByteField("allow_sata_in_cluster", &D::allowSataInCluster, 26),
    ByteField("max_chained_enclosures", &D::maxChainedEnclosures, 27),
    FlagField("disable_ctrl_r", &D::disableCtrlR, 28),
    FlagField("enable_panel_ui", &D::enablePanelUi, 29),
    ByteField("phy_polarity_split", &D::phyPolaritySplit, 30),
    FlagField("direct_pd_mapping", &D::directPdMapping, 31),
    FlagByteField("bios_enumerate_vds", &D::biosEnumerateVds, 32),
    FlagByteField("restore_hot_spare_on_insertion", &D::restoreHotSpareOnInsertion, 33),
    FlagField("expose_enclosure_devices", &D::exposeEnclosureDevices, 34),
    FlagField("maintain_pd_fail_history", &D::maintainPdFailHistory, 35),
    FlagField("disable_puncturing", &D::disablePuncturing, 36),
    FlagField("zero_based_enclosure_enumeration", &D::zeroBasedEnclosureEnumeration, 37),
    FlagField("preboot_cli_disabled", &D::prebootCliDisabled, 38),
    ByteField("quad_port_connector_map", &D::quadPortConnectorMap, 39),
    FlagField("led_shows_drive_activity", &D::ledShowsDriveActivity, 40),
    ChoiceField("backplane_detect", &D::backplaneDetect, 41, BackplaneNames()),
    {{"use_fde_only", &D::useFdeOnly, FieldKind::ByteFlag, 3, {}}, 42, 1, 0, 0, false},
    FlagField("enable_led_header", &D::enableLedHeader, 43),
    FlagByteField("allow_ssd_sas_sata_mix_in_vd", &D::allowSsdSasSataMixInVd, 44),
    FlagByteField("allow_hdd_ssd_mix_in_vd", &D::allowHddSsdMixInVd, 45),
    ByteField("post_delay", &D::postDelay, 46),
    FlagField("enable_crash_dump", &D::enableCrashDump, 47),
    FlagField("enable_ld_bbm", &D::enableLdBbm, 48),
    ChoiceField("uncertified_drives", &D::uncertifiedDrives, 49, UncertifiedNames()),
    FlagField("treat_r1e_as_r10", &D::treatR1eAsR10, 50),
    ChoiceField("max_vds_per_array", &D::maxVdsPerArray, 51, VdsPerArrayNames()),
    FlagField("fail_pd_on_smart_error", &D::failPdOnSmartError, 52),
    FlagField("non_revertible_spares", &D::nonRevertibleSpares, 53),
    FlagField("disable_online_controller_reset", &D::disableOnlineControllerReset, 54),
    ByteField("power_saving_option", &D::powerSavingOption, 55),
    WordField("default_spin_down_min", &D::defaultSpinDownMinutes, 56),
    ByteField("snapshot_space", &D::snapshotSpace, 58),
    ByteField("auto_snapshot_space", &D::autoSnapshotSpace, 59),
    ByteField("view_space", &D::viewSpace, 60),
    ByteField("defaults_extent", &D::defaultsExtent, 62),
    FlagField("enable_jbod", &D::enableJbod, 63),
    FlagBitField("tty_log_in_flash", &D::ttyLogInFlash, defaults_block::kExtendedFlags, 0),
    FlagBitField("auto_enhanced_import", &D::autoEnhancedImport, defaults_block::kExtendedFlags, 1),
    {NumberField("break_mirror_raid_support", &D::breakMirrorRaidSupport, 3), defaults_block::kExtendedFlags, 1, 2, 2,
     false},
    FlagBitField("disable_join_mirror", &D::disableJoinMirror, defaults_block::kExtendedFlags, 4),
    FlagBitField("enable_pi", &D::enablePi, defaults_block::kExtendedFlags, 5),
    FlagBitField("prevent_pi_import", &D::preventPiImport, defaults_block::kExtendedFlags, 6),
    FlagBitField("enable_shield_state", &D::enableShieldState, defaults_block::kExtendedFlags, 7),
    FlagBitField("drive_write_cache_for_rebuild", &D::driveWriteCacheForRebuild, defaults_block::kSpareFlags, 0),
    FlagBitField("emergency_spare", &D::emergencySpare, defaults_block::kSpareFlags, 1),
    FlagBitField("global_spares_for_emergency", &D::globalSparesForEmergency, defaults_block::kSpareFlags, 2),
    FlagBitField("unconfigured_good_for_emergency", &D::unconfiguredGoodForEmergency, defaults_block::kSpareFlags, 3),
    FlagBitField("block_ssd_write_cache_change", &D::blockSsdWriteCacheChange, defaults_block::kSpareFlags, 4),
    FlagBitField("disable_hii", &D::disableHii, defaults_block::kSpareFlags, 5),
    FlagBitField("smart_error_handling", &D::smartErrorHandling, defaults_block::kSpareFlags, 6),
    FlagBitField("ssd_smart_error_handling", &D::ssdSmartErrorHandling, defaults_block::kSpareFlags, 7),
    ByteField("cme_detect_s", &D::cmeDetectSeconds, 68),
};

}  // namespace

std::span<const DefaultsField> DefaultsFields() { return kDefaultsFields; }

}  // namespace sim
