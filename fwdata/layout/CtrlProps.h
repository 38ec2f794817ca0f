// The controller properties block (64 bytes, kDcmdCtrlGetProperties / kDcmdCtrlSetProperties);
// the controller information carries a copy of it (ctrlinfo::kOffSettings).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrlprops {
constexpr u32 kSize = 64;

constexpr Field<u16> kOffPredFailPollInterval{2}; // seconds
constexpr Field<u16> kOffThrottleCount{4};        // interrupt throttle active count
constexpr Field<u16> kOffThrottleCompletion{6};   // interrupt throttle completion
constexpr u32 kOffRebuildRate = 8;
constexpr u32 kOffPatrolReadRate = 9;
constexpr u32 kOffBgiRate = 10;
constexpr u32 kOffCcRate = 11;
constexpr u32 kOffReconRate = 12;
constexpr u32 kOffCacheFlushInterval = 13;
constexpr u32 kOffSpinupDriveCount = 14;
constexpr u32 kOffSpinupDelay = 15;
constexpr Field<u8> kOffClusterEnable{16};   // non-zero: enabled
constexpr Field<u8> kOffCoercionMode{17};    // the coercion modes below
constexpr u8 kCoercionNone = 0;
constexpr u8 kCoercion128Mb = 1;
constexpr u8 kCoercion1Gb = 2;
constexpr Field<u8> kOffAlarm{18};
constexpr Field<u8> kOffAutoRbldDisabled{19};
constexpr Field<u8> kOffBatWarnDisabled{20};
constexpr u32 kOffEccBucketSize = 21;
constexpr Field<u16> kOffEccBucketLeakRate{22};
constexpr Field<u8> kOffRestoreHspOnInsert{24};
constexpr Field<u8> kOffExposeEnclDevices{25};
constexpr u32 kOffMaintainPdFailHistory = 26;
constexpr u32 kOffReorderingDisabled = 27;
constexpr u32 kOffAbortCcOnError = 28;
constexpr u32 kOffLoadBalanceMode = 29;      // non-zero: load balancing disabled
constexpr Field<u8> kOffBackplaneMode{30};   // 0 auto, 1 i2c SEP, 2 SGPIO, 3 none
constexpr u32 kOffDefaultSnapshotSpace = 31;

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

constexpr u32 kOffAutoSnapshotSpace = 36;
constexpr u32 kOffDefaultViewSpace = 37;
constexpr Field<u16> kOffSpinDownTime{38};
// 0 controller defined, 1 or 5 automatic, 2 maximum, 6 maximum without caching, 255 none.
constexpr Field<u8> kOffDefaultLdPsPolicy{40};
constexpr u32 kOffDisableLdPsInterval = 41;
constexpr Field<u16> kOffDisableLdPsTime{42};
constexpr u32 kOffSpinUpEnclDriveCount = 44;
constexpr u32 kOffSpinUpEnclDelay = 45;
constexpr Field<u8> kOffPerfMode{47};        // low two bits
constexpr u8 kPerfModeMask = 0x03;
// A pair per performance mode (0 best IOPS, 1 least latency): the maximum flush lines and the
// ordered I/Os (mode 0) or the latency (mode 1).
constexpr u32 kOffPerfModeValues = 48;
constexpr u32 kPerfModeValueSize = 2;
constexpr u32 kPerfModes = 2;
constexpr Field<u8> kPerfModeOffMaxFlushLines{0};
constexpr Field<u8> kPerfModeOffSecond{1};

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffPredFailPollInterval, kOffThrottleCount, kOffThrottleCompletion, kOffClusterEnable,
                     kOffCoercionMode, kOffAlarm, kOffAutoRbldDisabled, kOffBatWarnDisabled, kOffEccBucketLeakRate,
                     kOffRestoreHspOnInsert, kOffExposeEnclDevices, kOffBackplaneMode, kOffSpinDownTime,
                     kOffDefaultLdPsPolicy, kOffDisableLdPsTime, kOffPerfMode));
static_assert(FitsIn(kPerfModeValueSize, kPerfModeOffMaxFlushLines, kPerfModeOffSecond));
}  // namespace ctrlprops
