// The controller properties block (64 bytes, kDcmdCtrlGetProperties / kDcmdCtrlSetProperties);
// the controller information carries a copy of it (ctrlinfo::kOffSettings).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrlprops {
constexpr u32 kSize = 64;

constexpr Field<u16> kOffPredFailPollInterval{2}; // seconds
constexpr Field<u16> kOffThrottleCount{4};        // interrupt throttle active count
constexpr Field<u16> kOffThrottleCompletion{6};   // interrupt throttle completion
constexpr Field<u8> kOffRebuildRate{8};
constexpr Field<u8> kOffPatrolReadRate{9};
constexpr Field<u8> kOffBgiRate{10};
constexpr Field<u8> kOffCcRate{11};
constexpr Field<u8> kOffReconRate{12};
constexpr Field<u8> kOffCacheFlushInterval{13};
constexpr Field<u8> kOffSpinupDriveCount{14};
constexpr Field<u8> kOffSpinupDelay{15};
constexpr Field<u8> kOffClusterEnable{16};   // non-zero: enabled
constexpr Field<u8> kOffCoercionMode{17};    // the coercion modes below
constexpr u8 kCoercionNone = 0;
constexpr u8 kCoercion128Mb = 1;
constexpr u8 kCoercion1Gb = 2;
constexpr Field<u8> kOffAlarm{18};
constexpr Field<u8> kOffAutoRbldDisabled{19};
constexpr Field<u8> kOffBatWarnDisabled{20};
constexpr Field<u8> kOffEccBucketSize{21};
constexpr Field<u16> kOffEccBucketLeakRate{22};
constexpr Field<u8> kOffRestoreHspOnInsert{24};
constexpr Field<u8> kOffExposeEnclDevices{25};
constexpr Field<u8> kOffMaintainPdFailHistory{26};
constexpr Field<u8> kOffReorderingDisabled{27};
constexpr Field<u8> kOffAbortCcOnError{28};
constexpr Field<u8> kOffLoadBalanceMode{29};      // non-zero: load balancing disabled
constexpr Field<u8> kOffBackplaneMode{30};   // 0 auto, 1 i2c SEP, 2 SGPIO, 3 none
constexpr Field<u8> kOffDefaultSnapshotSpace{31};

constexpr BitField kCopyBackDisabled{32, 0};
constexpr BitField kSmartCopyBack{32, 1};
constexpr BitField kPrCorrectUncfgdAreas{32, 2};
constexpr BitField kUseFdeOnlyEncrypt{32, 3};
constexpr BitField kNcqDisabled{32, 4};
constexpr BitField kSsdSmartCopyBack{32, 5};
constexpr BitField kSsdPatrolRead{32, 6};
constexpr BitField kSpinDownUnconfigured{32, 7};
constexpr BitField kAutoEnhancedImport{33, 0};
constexpr BitField kDisableOcr{33, 2};
constexpr BitField kBootWithPinnedCache{33, 3};
constexpr BitField kSpinDownHspDisabled{33, 4};
constexpr BitField kEnableJbod{33, 5};
constexpr BitField kDiskActivityForLocate{33, 7};
constexpr BitField kEnablePi{34, 0};
constexpr BitField kPreventPiImport{34, 1};
constexpr BitField kEmergencyGhsp{34, 2};
constexpr BitField kEmergencyUg{34, 3};
constexpr BitField kEmergencySmarter{34, 4};
constexpr BitField kForceSgpio{34, 5};

constexpr Field<u8> kOffAutoSnapshotSpace{36};
constexpr Field<u8> kOffDefaultViewSpace{37};
constexpr Field<u16> kOffSpinDownTime{38};
// 0 controller defined, 1 or 5 automatic, 2 maximum, 6 maximum without caching, 255 none.
constexpr Field<u8> kOffDefaultLdPsPolicy{40};
constexpr Field<u8> kOffDisableLdPsInterval{41};
constexpr Field<u16> kOffDisableLdPsTime{42};
constexpr Field<u8> kOffSpinUpEnclDriveCount{44};
constexpr Field<u8> kOffSpinUpEnclDelay{45};
constexpr Field<u8> kOffPerfMode{47};        // low two bits
constexpr u8 kPerfModeMask = 0x03;
// A pair per performance mode (0 best IOPS, 1 least latency): the maximum flush lines and the
// ordered I/Os (mode 0) or the latency (mode 1). The table's start:
constexpr u32 kOffPerfModeValues = 48;
constexpr u32 kPerfModeValueSize = 2;
constexpr u32 kPerfModes = 2;
constexpr Field<u8> kPerfModeOffMaxFlushLines{0};
constexpr Field<u8> kPerfModeOffSecond{1};

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffPredFailPollInterval, kOffThrottleCount, kOffThrottleCompletion, kOffRebuildRate,
                     kOffPatrolReadRate, kOffBgiRate, kOffCcRate, kOffReconRate, kOffCacheFlushInterval,
                     kOffSpinupDriveCount, kOffSpinupDelay, kOffClusterEnable, kOffCoercionMode, kOffAlarm,
                     kOffAutoRbldDisabled, kOffBatWarnDisabled, kOffEccBucketSize, kOffEccBucketLeakRate,
                     kOffRestoreHspOnInsert, kOffExposeEnclDevices, kOffMaintainPdFailHistory,
                     kOffReorderingDisabled, kOffAbortCcOnError, kOffLoadBalanceMode, kOffBackplaneMode,
                     kOffDefaultSnapshotSpace, kOffAutoSnapshotSpace, kOffDefaultViewSpace, kOffSpinDownTime,
                     kOffDefaultLdPsPolicy, kOffDisableLdPsInterval, kOffDisableLdPsTime, kOffSpinUpEnclDriveCount,
                     kOffSpinUpEnclDelay, kOffPerfMode));
static_assert(FitsIn(kPerfModeValueSize, kPerfModeOffMaxFlushLines, kPerfModeOffSecond));
}  // namespace ctrlprops
