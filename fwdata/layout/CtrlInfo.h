// The controller information block (2048 bytes, kDcmdCtrlGetInfo): PCI identity, interfaces and
// ports, the firmware images in flash, limits, the hardware present, what the controller
// supports, its status and, from kOffSettings, a copy of its current properties (CtrlProps.h).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrlinfo {
constexpr u32 kSize = 2048;

// PCI identity.
constexpr Field<u16> kOffVendorId{0};
constexpr Field<u16> kOffDeviceId{2};
constexpr Field<u16> kOffSubVendorId{4};
constexpr Field<u16> kOffSubDeviceId{6};
constexpr Field<u16> kOffControllerId{8};
constexpr Field<u8> kOffChipRevision{10}; // two characters
constexpr u32 kChipRevisionWidth = 2;

// Host interface: the first set bit names it.
constexpr BitField kHostPcix{32, 0};
constexpr BitField kHostPcie{32, 1};
constexpr BitField kHostIscsi{32, 2};
constexpr BitField kHostSas3g{32, 3};
constexpr Field<u8> kOffHostPortCount{39};
constexpr Field<u64> kOffHostPorts{40}; // u64 address per port
constexpr u32 kMaxHostPorts = 8;

// Device interface.
constexpr BitField kDeviceSpi{104, 0};
constexpr BitField kDeviceSas3g{104, 1};
constexpr BitField kDeviceSata15g{104, 2};
constexpr BitField kDeviceSata3g{104, 3};
constexpr BitField kDeviceSas6g{104, 4};
constexpr BitField kDeviceSas12g{104, 5};
constexpr Field<u8> kOffDevicePortCount{111};
constexpr Field<u64> kOffDevicePorts{112}; // u64 address per port, ports 0-7
constexpr Field<u64> kOffDevicePortsHigh{1696}; // u64 address per port, ports 8-15
constexpr u32 kDevicePortsPerTable = 8;
constexpr u32 kMaxDevicePorts = 16;

// The board signature an image must carry to be flashed (four characters, read as a u32).
constexpr Field<u32> kOffImageCheckWord{176};

// The images in flash and the images waiting to be activated: a u32 count, then a table of
// kMaxImages entries whatever the count says.
constexpr Field<u32> kOffImageCount{180};
constexpr u32 kOffImages = 184;
constexpr Field<u32> kOffPendingImageCount{760};
constexpr u32 kOffPendingImages = 764;
constexpr u32 kMaxImages = 8;
constexpr u32 kImageEntrySize = 72;
constexpr TextField kImageName{0, 8};   // within an entry
constexpr TextField kImageVersion{8, kImageEntrySize - 8};
// Entry `index` of the image table at `table` (kOffImages or kOffPendingImages).
inline ByteView ImageEntry(const ByteView& info, u32 table, u32 index)
{
    return info.Sub(table + index * kImageEntrySize, kImageEntrySize);
}

// Limits of the configuration.
constexpr Field<u8> kOffMaxArmsPerVd{1340};
constexpr Field<u8> kOffMaxSpansPerVd{1341};
constexpr Field<u8> kOffMaxArrays{1342};
constexpr Field<u8> kOffMaxLdCount{1343};
constexpr TextField kProductName{1344, 80};
constexpr TextField kSerial{1424, 32};

// Hardware present.
constexpr BitField kBbuPresent{1456, 0};
constexpr BitField kAlarmPresent{1456, 1};
constexpr BitField kNvramPresent{1456, 2};
constexpr BitField kSerialDebuggerPresent{1456, 3};
constexpr BitField kMemoryPresent{1456, 4};
constexpr BitField kFlashPresent{1456, 5};
constexpr BitField kTpmPresent{1456, 6};
constexpr BitField kExpanderPresent{1456, 7};
constexpr BitField kRocSensorPresent{1457, 2};
constexpr BitField kControllerSensorPresent{1457, 3};
constexpr Field<u16> kOffNvramKb{1486};
constexpr Field<u16> kOffMemorySizeMb{1488};
constexpr Field<u16> kOffFlashMb{1490};

// Limits of the I/O path.
constexpr Field<u16> kOffMaxParallelCmds{1464};
constexpr Field<u16> kOffMaxSgeCount{1466};
constexpr Field<u32> kOffMaxTransferSectors{1468};
constexpr Field<u16> kOffMaxStripsPerIo{1498};

// Devices present (u16 counts).
constexpr Field<u16> kOffVdsPresent{1472};
constexpr Field<u16> kOffVdsDegraded{1474};
constexpr Field<u16> kOffVdsOffline{1476};
constexpr Field<u16> kOffPdsPresent{1478};
constexpr Field<u16> kOffDisksPresent{1480};
constexpr Field<u16> kOffCriticalDisks{1482};
constexpr Field<u16> kOffFailedDisks{1484};

// Memory errors (u16 counts) and cluster state.
constexpr Field<u16> kOffMemCorrectableErrors{1492};
constexpr Field<u16> kOffMemUncorrectableErrors{1494};
constexpr Field<u8> kOffClusterPermitted{1496}; // non-zero: yes
constexpr Field<u8> kOffClusterActive{1497}; // non-zero: yes

// RAID levels offered, a bit per level (bit 3, RAID 1E, has no level of its own here).
constexpr Field<u8> kOffRaidLevels{1500};
constexpr unsigned kRaid0Bit = 0;
constexpr unsigned kRaid1Bit = 1;
constexpr unsigned kRaid5Bit = 2;
constexpr unsigned kRaid1eBit = 3;
constexpr unsigned kRaid6Bit = 4;
constexpr unsigned kRaid10Bit = 5;
constexpr unsigned kRaid50Bit = 6;
constexpr unsigned kRaid60Bit = 7;
// Qualifiers of the RAID levels.
constexpr BitField kSrl3{1501, 0};
constexpr BitField kNoRaid00{1501, 1};      // RAID 00 is offered while this bit is clear
constexpr BitField kPrl11{1501, 2};
constexpr BitField kPrl11Spanned{1501, 3};
constexpr BitField kSscRaid5{1501, 6};

// Supported adapter operations.
constexpr BitField kRebuildRateOp{1504, 0};
constexpr BitField kCcRateOp{1504, 1};
constexpr BitField kBgiRateOp{1504, 2};
constexpr BitField kReconRateOp{1504, 3};
constexpr BitField kPatrolReadRateOp{1504, 4};
constexpr BitField kAlarmControl{1504, 5};
constexpr BitField kClusterSupport{1504, 6};
constexpr BitField kBbuOp{1504, 7};
constexpr BitField kSpanning{1505, 0};
constexpr BitField kDedicatedSpares{1505, 1};
constexpr BitField kRevertibleSpares{1505, 2};
constexpr BitField kForeignImport{1505, 3};
constexpr BitField kSelfDiagnostic{1505, 4};
constexpr BitField kMixedRedundancy{1505, 5};
constexpr BitField kGlobalSpares{1505, 6};
constexpr BitField kDenyScsiPassThru{1505, 7};
constexpr BitField kDenySmpPassThru{1506, 0};
constexpr BitField kDenyStpPassThru{1506, 1};
constexpr BitField kConnectorInfo{1506, 5};
constexpr BitField kAllowedOps{1506, 6};
constexpr BitField kEncryption{1507, 2};
constexpr BitField kMoreThan8Phys{1507, 3};
constexpr BitField kLdExpansion{1507, 4};
constexpr BitField kEkm{1507, 5};
constexpr BitField kSnapshot{1507, 6};
// Supported virtual-drive operations.
constexpr BitField kLdReadPolicy{1508, 0};
constexpr BitField kLdWritePolicy{1508, 1};
constexpr BitField kLdIoPolicy{1508, 2};
constexpr BitField kLdAccessPolicy{1508, 3};
constexpr BitField kLdDiskCachePolicy{1508, 4};
constexpr BitField kLdReconstruction{1508, 5};
constexpr BitField kLdDenyLocate{1508, 6};
constexpr BitField kLdDenyCc{1508, 7};
constexpr BitField kLdCtrlEncryption{1509, 0};
constexpr BitField kLdBbm{1509, 1};
constexpr BitField kPerfMonitor{1509, 3};
constexpr BitField kLdPowerSaving{1509, 4};
constexpr BitField kMaxPowerSavingUncached{1509, 5};
constexpr BitField kLdMirror{1509, 6};
constexpr BitField kSscWriteBack{1509, 7};
constexpr BitField kSscVdAssociation{1510, 0};
constexpr BitField kForeignImportAll{1510, 1};
// Strip sizes: code 0 is 512 bytes, code n is 2^(n-1) KB.
constexpr Field<u8> kOffMinStripCode{1512};
constexpr Field<u8> kOffMaxStripCode{1513};
// Supported drive operations.
constexpr BitField kPdForceOnline{1516, 0};
constexpr BitField kPdForceOffline{1516, 1};
constexpr BitField kPdForceRebuild{1516, 2};
constexpr BitField kPdDenyForceFailed{1516, 3};
constexpr BitField kPdDenyForceGoodBad{1516, 4};
constexpr BitField kPdDenyMissingReplace{1516, 5};
constexpr BitField kPdDenyClear{1516, 6};
constexpr BitField kPdDenyLocate{1516, 7};
constexpr BitField kSpinDown{1517, 0};
constexpr BitField kSpinUpBeforeCfg{1517, 1};  // spun-down drives are spun up before a configuration
constexpr BitField kT10PowerState{1517, 2};
constexpr BitField kPdTemperature{1517, 3};
// Drive types, and the mixes allowed in an enclosure, a virtual drive or a cluster.
constexpr BitField kSasDrives{1520, 0};
constexpr BitField kSataDrives{1520, 1};
constexpr BitField kMixInEnclosure{1520, 2};
constexpr BitField kHddSasSataMix{1520, 3};
constexpr BitField kSataInCluster{1520, 4};
constexpr BitField kSsdSasSataMix{1520, 5};
constexpr BitField kSsdHddMix{1520, 6};

constexpr Field<u16> kOffEccBucketCount{1524};

// Status.
constexpr BitField kKeyAssigned{1528, 1};
constexpr BitField kKeyFailedAtBoot{1528, 2};
constexpr BitField kKeyNotBackedUp{1528, 3};
constexpr BitField kOfflineCachePreserved{1528, 5};
constexpr BitField kRebootRequired{1528, 6};

// The controller's current properties, laid out as the properties block (CtrlProps.h).
constexpr u32 kOffSettings = 1536;

// A pair per performance mode: the maximum flush lines and the ordered I/Os.
constexpr u32 kOffPerfModes = 1584;
constexpr u32 kPerfModeSize = 2;
constexpr Field<u8> kPerfModeOffMaxFlushLines{0};
constexpr Field<u8> kPerfModeOffOrderedIos{1};
constexpr TextField kPackageBuild{1600, 96};

constexpr Field<u8> kOffMaxVdsPerArray{1928};
constexpr Field<u8> kOffSecurityKeyMode{1930};
constexpr Field<u16> kOffMaxSscCount{1936};
constexpr Field<u16> kOffSscCount{1938};
constexpr TextField kExpanderFw{1940, 16};
constexpr Field<u16> kOffFwCacheMb{1954};

constexpr BitField kPi{1956, 0};
constexpr BitField kLdPiType1{1956, 1};
constexpr BitField kLdPiType2{1956, 2};
constexpr BitField kLdPiType3{1956, 3};
constexpr BitField kShieldState{1956, 5};
constexpr BitField kBlockSsdWriteCacheChange{1956, 6};
constexpr BitField kBgOpSuspendResume{1956, 7};
constexpr BitField kEmergencySpares{1957, 0};
constexpr BitField kPerfTuning{1957, 5};
constexpr BitField kSsdPatrolRead{1957, 6};
constexpr BitField kRealTimeScheduling{1957, 7};

// Fewest and most drives of an array per RAID level, a pair for each of the levels 0, 1, 5, 6,
// 10, 50, 60.
constexpr u32 kOffArrayDriveLimits = 1960;
constexpr u32 kArrayDriveLimitLevels = 7;
constexpr u32 kArrayDriveLimitSize = 2;
constexpr Field<u8> kArrayDriveLimitOffMin{0};
constexpr Field<u8> kArrayDriveLimitOffMax{1};

constexpr Field<u8> kOffMaxSpinupPerMinute{1992};
constexpr Field<u8> kOffRocTemperature{1993};       // degrees Celsius
constexpr Field<u8> kOffControllerTemperature{1994}; // degrees Celsius

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffVendorId, kOffDeviceId, kOffSubVendorId, kOffSubDeviceId, kOffControllerId,
                     kOffChipRevision, kOffHostPortCount, kOffHostPorts, kOffDevicePortCount, kOffDevicePorts,
                     kOffDevicePortsHigh, kOffImageCheckWord, kOffImageCount, kOffPendingImageCount,
                     kOffMaxArmsPerVd, kOffMaxSpansPerVd, kOffMaxArrays, kOffMaxLdCount, kOffNvramKb,
                     kOffMemorySizeMb, kOffFlashMb, kOffMaxParallelCmds, kOffMaxSgeCount, kOffMaxTransferSectors,
                     kOffMaxStripsPerIo, kOffVdsPresent, kOffVdsDegraded, kOffVdsOffline, kOffPdsPresent,
                     kOffDisksPresent, kOffCriticalDisks, kOffFailedDisks, kOffMemCorrectableErrors,
                     kOffMemUncorrectableErrors, kOffClusterPermitted, kOffClusterActive, kOffRaidLevels,
                     kOffMinStripCode, kOffMaxStripCode, kOffEccBucketCount, kOffMaxVdsPerArray, kOffSecurityKeyMode,
                     kOffMaxSscCount, kOffSscCount, kOffFwCacheMb, kOffMaxSpinupPerMinute, kOffRocTemperature,
                     kOffControllerTemperature));
static_assert(FitsIn(kPerfModeSize, kPerfModeOffMaxFlushLines, kPerfModeOffOrderedIos));
static_assert(FitsIn(kArrayDriveLimitSize, kArrayDriveLimitOffMin, kArrayDriveLimitOffMax));
}  // namespace ctrlinfo
