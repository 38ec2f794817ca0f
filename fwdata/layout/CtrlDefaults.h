// The controller defaults block (72 bytes, kDcmdCtrlGetDefaults / kDcmdCtrlSetDefaults): the
// policies new virtual drives start from and controller-wide settings kept with them. Fields are
// bytes unless their comment gives a width.
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrldefaults {
constexpr u32 kSize = 72;
constexpr Field<u64> kOffSasAddress{0};
constexpr Field<u8> kOffPhyPolarity{8};
constexpr Field<u8> kOffBackgroundRate{9};
constexpr Field<u8> kOffStripCode{10};         // the strip is 2^n blocks
constexpr Field<u8> kOffFlushTime{11};     // seconds
constexpr Field<u8> kOffWritePolicy{12};   // 0 write through, 1 write back, 2 adaptive
constexpr Field<u8> kOffReadPolicy{13};    // 0 none, 1 read ahead, 2 adaptive
constexpr Field<u8> kOffCacheWhenBbuBad{14}; // non-zero: write back with a bad battery
constexpr Field<u8> kOffCachedIo{15};      // non-zero: cached I/O
constexpr Field<u8> kOffSmartMode{16};     // 0 mode 6, 2 mode 2, other disabled
constexpr Field<u8> kOffAlarm{17};         // non-zero: enabled
constexpr Field<u8> kOffCoercionMode{18};  // 0 none, 2 1 GB, other 128 MB
constexpr Field<u8> kOffZcrConfig{19};     // 0 unknown, 1 RADIOS, 2 and above IDSEL
constexpr Field<u8> kOffDirtyLedActivity{20};
constexpr Field<u8> kOffBiosContinueOnError{21};
constexpr Field<u8> kOffSpinDownMode{22};  // 1 internal, 2 external, 3 both, other none
constexpr Field<u8> kOffAllowedDeviceType{23}; // 0 SAS/SATA mix, 2 SATA only, other SAS only
constexpr Field<u8> kOffAllowMixInEnclosure{24};
constexpr Field<u8> kOffAllowHddSasSataMix{25};
constexpr Field<u8> kOffAllowSataInCluster{26};
constexpr Field<u8> kOffMaxChainedEnclosures{27};
constexpr Field<u8> kOffDisableCtrlR{28};
constexpr Field<u8> kOffEnablePanelUi{29};
constexpr Field<u8> kOffPhyPolaritySplit{30};
constexpr Field<u8> kOffDirectPdMapping{31}; // non-zero: enabled
constexpr Field<u8> kOffBiosEnumerateVds{32};
constexpr Field<u8> kOffRestoreHspOnInsert{33};
constexpr Field<u8> kOffExposeEnclDevices{34};
constexpr Field<u8> kOffMaintainPdFailHistory{35};
constexpr Field<u8> kOffDisablePuncturing{36};
constexpr Field<u8> kOffZeroBasedEnclosures{37};
constexpr Field<u8> kOffPrebootCliDisabled{38};
constexpr Field<u8> kOffQuadPortConnectorMap{39};
constexpr Field<u8> kOffLedShowsActivity{40};
constexpr Field<u8> kOffBackplaneMode{41}; // 1 i2c SEP, 2 SGPIO, 3 none, other both
constexpr Field<u8> kOffUseFdeOnly{42};
constexpr Field<u8> kOffEnableLedHeader{43};
constexpr Field<u8> kOffAllowSsdSasSataMix{44};
constexpr Field<u8> kOffAllowHddSsdMix{45};
constexpr Field<u8> kOffPostDelay{46};
constexpr Field<u8> kOffEnableCrashDump{47};
constexpr Field<u8> kOffEnableLdBbm{48};
constexpr Field<u8> kOffUncertifiedDrives{49}; // 0 block, 1 allow, 2 warn and allow
constexpr Field<u8> kOffTreatR1eAsR10{50};
constexpr Field<u8> kOffMaxVdsPerArray{51}; // 0 sixteen, 1 sixty-four
constexpr Field<u8> kOffFailPdOnSmartEr{52};
constexpr Field<u8> kOffNonRevertibleSpares{53};
constexpr Field<u8> kOffDisableOcr{54};
// Power-save limits of virtual drives: 0 every option enabled, 0xFF all disabled (not set),
// otherwise bits 0-6. The settings file writes the byte whole (the disablePowerSavings setting).
constexpr Field<u8> kOffPowerSaveFlags{55};
constexpr u8 kPowerSaveFlagsNotSet = 0xFF;
constexpr u8 kPowerSaveNoPerVdLevel = 1u << 3;
constexpr u8 kPowerSaveNoMaximumOnVd = 1u << 4;
constexpr u8 kPowerSaveScheduleAllowed = 1u << 6;  // a time without power saving may be set
constexpr Field<u16> kOffDefaultSpinDownMin{56};
constexpr Field<u8> kOffSnapVdSpace{58};
constexpr Field<u8> kOffAutoSnapVdSpace{59};
constexpr Field<u8> kOffViewSpace{60};
// How many bytes of default settings the controller carries; 0 stands for 64. The firmware sets
// it: the settings of byte 64 (and bits 0-5 of byte 65) exist only above 64.
constexpr Field<u8> kOffExtent{62};
constexpr u8 kBaseExtent = 64;
constexpr Field<u8> kOffEnableJbod{63};
// Settings a controller carries from extent 65 on.
constexpr BitField kTtyLogInFlash{64, 0};
constexpr BitField kAutoEnhancedImport{64, 1};
constexpr BitField kBreakMirrorRaid0{64, 2};
constexpr BitField kBreakMirrorRaid1{64, 3};
constexpr BitField kDisableJoinMirror{64, 4};
constexpr BitField kEnablePi{64, 5};
constexpr BitField kPreventPiImport{64, 6};
constexpr BitField kEnableShieldState{64, 7};
// Spares and drive error handling.
constexpr BitField kDriveWceForRebuild{65, 0};
constexpr BitField kEmergencySpare{65, 1};
constexpr BitField kGlobalSparesForEmergency{65, 2};
constexpr BitField kUnconfGoodForEmergency{65, 3};
constexpr BitField kBlockSsdWriteCacheChange{65, 4};
constexpr BitField kDisableHii{65, 5};
constexpr BitField kSmartErHandling{65, 6};
constexpr BitField kSsdSmartErHandling{65, 7};
constexpr Field<u8> kOffCmeDetectTime{68}; // seconds, 0 stands for 60

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffSasAddress, kOffPhyPolarity, kOffBackgroundRate, kOffStripCode, kOffFlushTime,
                     kOffWritePolicy, kOffReadPolicy, kOffCacheWhenBbuBad, kOffCachedIo, kOffSmartMode, kOffAlarm,
                     kOffCoercionMode, kOffZcrConfig, kOffDirtyLedActivity, kOffBiosContinueOnError,
                     kOffSpinDownMode, kOffAllowedDeviceType, kOffAllowMixInEnclosure, kOffAllowHddSasSataMix,
                     kOffAllowSataInCluster, kOffMaxChainedEnclosures, kOffDisableCtrlR, kOffEnablePanelUi,
                     kOffPhyPolaritySplit, kOffDirectPdMapping, kOffBiosEnumerateVds, kOffRestoreHspOnInsert,
                     kOffExposeEnclDevices, kOffMaintainPdFailHistory, kOffDisablePuncturing,
                     kOffZeroBasedEnclosures, kOffPrebootCliDisabled, kOffQuadPortConnectorMap,
                     kOffLedShowsActivity, kOffBackplaneMode, kOffUseFdeOnly, kOffEnableLedHeader,
                     kOffAllowSsdSasSataMix, kOffAllowHddSsdMix, kOffPostDelay, kOffEnableCrashDump,
                     kOffEnableLdBbm, kOffUncertifiedDrives, kOffTreatR1eAsR10, kOffMaxVdsPerArray,
                     kOffFailPdOnSmartEr, kOffNonRevertibleSpares, kOffDisableOcr, kOffPowerSaveFlags,
                     kOffDefaultSpinDownMin, kOffSnapVdSpace, kOffAutoSnapVdSpace, kOffViewSpace, kOffExtent,
                     kOffEnableJbod, kOffCmeDetectTime));
}  // namespace ctrldefaults
