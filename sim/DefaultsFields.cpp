#include "DefaultsFields.h"

#include "SettingEnums.h"

namespace sim {
namespace {

using D = ControllerDefaults;

constexpr DefaultsField Address(const char* name, u64 D::*member, u32 offset)
{
    return {{name, member, FieldKind::Hex, ~u64{0}, {}}, offset, 8, 0, 0, false};
}
constexpr DefaultsField Byte(const char* name, u64 D::*member, u32 offset)
{
    return {NumberField(name, member, 0xFF), offset, 1, 0, 0, false};
}
constexpr DefaultsField Word(const char* name, u64 D::*member, u32 offset)
{
    return {NumberField(name, member, 0xFFFF), offset, 2, 0, 0, false};
}
constexpr DefaultsField Flag(const char* name, u64 D::*member, u32 offset)
{
    return {BoolField(name, member), offset, 1, 0, 0, false};
}
// A byte the controller reads as a flag but keeps whole (any number may be programmed into it).
constexpr DefaultsField FlagByte(const char* name, u64 D::*member, u32 offset)
{
    return {{name, member, FieldKind::ByteFlag, 0xFF, {}}, offset, 1, 0, 0, false};
}
constexpr DefaultsField FlagBit(const char* name, u64 D::*member, u32 offset, u8 bit)
{
    return {BoolField(name, member), offset, 1, bit, 1, false};
}
constexpr DefaultsField Choice(const char* name, u64 D::*member, u32 offset, std::span<const EnumName> names)
{
    return {EnumField(name, member, names), offset, 1, 0, 0, false};
}
constexpr DefaultsField Strip(const char* name, u64 D::*member, u32 offset)
{
    return {{name, member, FieldKind::StripKb, kMaxStripCode, {}}, offset, 1, 0, 0, false};
}

constexpr u32 kExtendedFlags = 64;  // bit 0 TTY log in flash, 1 auto enhanced import, 2-3 break-
                                    // mirror RAID support, 4 disable join mirror, 5 protection
                                    // information, 6 prevent its import, 7 shield state
constexpr u32 kSpareFlags = 65;     // emergency spares, write cache and SMART error handling

const DefaultsField kFields[] = {
    Address("sas_address", &D::sasAddress, 0),
    Byte("phy_polarity", &D::phyPolarity, 8),
    Byte("background_rate", &D::backgroundRate, 9),
    Strip("strip_size_kb", &D::stripSizeCode, 10),
    Byte("cache_flush_time_s", &D::cacheFlushTime, 11),
    Choice("write_policy", &D::writePolicy, 12, WritePolicyNames()),
    Choice("read_policy", &D::readPolicy, 13, ReadPolicyNames()),
    Flag("cache_when_bbu_bad", &D::cacheWhenBbuBad, 14),
    FlagByte("cached_io", &D::cachedIo, 15),
    Choice("smart_mode", &D::smartMode, 16, SmartModeNames()),
    Flag("alarm", &D::alarm, 17),
    Choice("coercion_mode", &D::coercionMode, 18, CoercionNames()),
    Byte("zcr_config", &D::zcrConfig, 19),
    Flag("dirty_led_shows_activity", &D::dirtyLedShowsActivity, 20),
    Flag("bios_continue_on_error", &D::biosContinueOnError, 21),
    Choice("spin_down_mode", &D::spinDownMode, 22, SpinDownModeNames()),
    Choice("allowed_device_type", &D::allowedDeviceType, 23, DeviceTypeNames()),
    FlagByte("allow_mix_in_enclosure", &D::allowMixInEnclosure, 24),
    FlagByte("allow_hdd_sas_sata_mix_in_vd", &D::allowHddSasSataMixInVd, 25),
    FlagByte("allow_sata_in_cluster", &D::allowSataInCluster, 26),
    Byte("max_chained_enclosures", &D::maxChainedEnclosures, 27),
    Flag("disable_ctrl_r", &D::disableCtrlR, 28),
    Flag("enable_panel_ui", &D::enablePanelUi, 29),
    Byte("phy_polarity_split", &D::phyPolaritySplit, 30),
    Flag("direct_pd_mapping", &D::directPdMapping, 31),
    FlagByte("bios_enumerate_vds", &D::biosEnumerateVds, 32),
    FlagByte("restore_hot_spare_on_insertion", &D::restoreHotSpareOnInsertion, 33),
    Flag("expose_enclosure_devices", &D::exposeEnclosureDevices, 34),
    Flag("maintain_pd_fail_history", &D::maintainPdFailHistory, 35),
    Flag("disable_puncturing", &D::disablePuncturing, 36),
    Flag("zero_based_enclosure_enumeration", &D::zeroBasedEnclosureEnumeration, 37),
    Flag("preboot_cli_disabled", &D::prebootCliDisabled, 38),
    Byte("quad_port_connector_map", &D::quadPortConnectorMap, 39),
    Flag("led_shows_drive_activity", &D::ledShowsDriveActivity, 40),
    Choice("backplane_detect", &D::backplaneDetect, 41, BackplaneNames()),
    {{"use_fde_only", &D::useFdeOnly, FieldKind::ByteFlag, 3, {}}, 42, 1, 0, 0, false},
    Flag("enable_led_header", &D::enableLedHeader, 43),
    FlagByte("allow_ssd_sas_sata_mix_in_vd", &D::allowSsdSasSataMixInVd, 44),
    FlagByte("allow_hdd_ssd_mix_in_vd", &D::allowHddSsdMixInVd, 45),
    Byte("post_delay", &D::postDelay, 46),
    Flag("enable_crash_dump", &D::enableCrashDump, 47),
    Flag("enable_ld_bbm", &D::enableLdBbm, 48),
    Choice("uncertified_drives", &D::uncertifiedDrives, 49, UncertifiedNames()),
    Flag("treat_r1e_as_r10", &D::treatR1eAsR10, 50),
    Choice("max_vds_per_array", &D::maxVdsPerArray, 51, VdsPerArrayNames()),
    Flag("fail_pd_on_smart_error", &D::failPdOnSmartError, 52),
    Flag("non_revertible_spares", &D::nonRevertibleSpares, 53),
    Flag("disable_online_controller_reset", &D::disableOnlineControllerReset, 54),
    Byte("power_saving_option", &D::powerSavingOption, 55),
    Word("default_spin_down_min", &D::defaultSpinDownMinutes, 56),
    Byte("snapshot_space", &D::snapshotSpace, 58),
    Byte("auto_snapshot_space", &D::autoSnapshotSpace, 59),
    Byte("view_space", &D::viewSpace, 60),
    Byte("defaults_extent", &D::defaultsExtent, 62),
    Flag("enable_jbod", &D::enableJbod, 63),
    FlagBit("tty_log_in_flash", &D::ttyLogInFlash, kExtendedFlags, 0),
    FlagBit("auto_enhanced_import", &D::autoEnhancedImport, kExtendedFlags, 1),
    {NumberField("break_mirror_raid_support", &D::breakMirrorRaidSupport, 3), kExtendedFlags, 1, 2, 2, false},
    FlagBit("disable_join_mirror", &D::disableJoinMirror, kExtendedFlags, 4),
    FlagBit("enable_pi", &D::enablePi, kExtendedFlags, 5),
    FlagBit("prevent_pi_import", &D::preventPiImport, kExtendedFlags, 6),
    FlagBit("enable_shield_state", &D::enableShieldState, kExtendedFlags, 7),
    FlagBit("drive_write_cache_for_rebuild", &D::driveWriteCacheForRebuild, kSpareFlags, 0),
    FlagBit("emergency_spare", &D::emergencySpare, kSpareFlags, 1),
    FlagBit("global_spares_for_emergency", &D::globalSparesForEmergency, kSpareFlags, 2),
    FlagBit("unconfigured_good_for_emergency", &D::unconfiguredGoodForEmergency, kSpareFlags, 3),
    FlagBit("block_ssd_write_cache_change", &D::blockSsdWriteCacheChange, kSpareFlags, 4),
    FlagBit("disable_hii", &D::disableHii, kSpareFlags, 5),
    FlagBit("smart_error_handling", &D::smartErrorHandling, kSpareFlags, 6),
    FlagBit("ssd_smart_error_handling", &D::ssdSmartErrorHandling, kSpareFlags, 7),
    Byte("cme_detect_s", &D::cmeDetectSeconds, 68),
};

}  // namespace

std::span<const DefaultsField> DefaultsFields() { return kFields; }

}  // namespace sim
