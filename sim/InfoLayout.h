// Byte offsets of the 2048-byte controller information block (DCMD 0x01010000).
#pragma once
#include "Bytes.h"

namespace sim::info {

constexpr u32 kSize = 2048;

constexpr u32 kVendorId = 0;        // u16
constexpr u32 kDeviceId = 2;        // u16
constexpr u32 kSubVendorId = 4;     // u16
constexpr u32 kSubDeviceId = 6;     // u16
constexpr u32 kControllerId = 8;    // u16
constexpr u32 kChipRevision = 10;   // char[2]
constexpr u32 kChipRevisionSize = 2;
constexpr u32 kHostInterface = 32;  // u8 bits
constexpr u32 kHostPortCount = 39;  // u8
constexpr u32 kHostPorts = 40;      // u64[8]
constexpr u32 kMaxHostPorts = 8;
constexpr u32 kDeviceInterface = 104;  // u8 bits
constexpr u32 kDevicePortCount = 111;  // u8
constexpr u32 kDevicePorts = 112;      // u64[8], ports 0-7
constexpr u32 kDevicePorts2 = 1696;    // u64[8], ports 8-15
constexpr u32 kMaxDevicePorts = 16;

constexpr u32 kImageCheckWord = 176;  // char[4]: the board signature the controller accepts
constexpr u32 kImageCount = 180;    // u32
constexpr u32 kImages = 184;        // 8 entries
constexpr u32 kPendingCount = 760;  // u32
constexpr u32 kPendingImages = 764;  // 8 entries
constexpr u32 kMaxImages = 8;
constexpr u32 kImageEntrySize = 72;
constexpr u32 kImageName = 0;  // char[8] within an entry
constexpr u32 kImageNameSize = 8;
constexpr u32 kImageVersion = 8;  // text to the end of the entry
constexpr u32 kImageVersionSize = 64;

constexpr u32 kMaxArmsPerVd = 1340;    // u8
constexpr u32 kMaxSpansPerVd = 1341;   // u8
constexpr u32 kMaxArrays = 1342;       // u8
constexpr u32 kMaxVds = 1343;          // u8
constexpr u32 kProductName = 1344;     // char[80]
constexpr u32 kProductNameSize = 80;
constexpr u32 kSerial = 1424;          // char[32]
constexpr u32 kSerialSize = 32;
constexpr u32 kHardwarePresent = 1456;   // u8 bits
constexpr u32 kHardwarePresent2 = 1457;  // u8 bits
constexpr u32 kBbuPresentBit = 0;        // of kHardwarePresent
constexpr u32 kMaxParallelCommands = 1464;  // u16
constexpr u32 kMaxSgeCount = 1466;          // u16
constexpr u32 kMaxTransferSectors = 1468;   // u32
constexpr u32 kVdsPresent = 1472;           // u16
constexpr u32 kVdsDegraded = 1474;          // u16
constexpr u32 kVdsOffline = 1476;           // u16
constexpr u32 kPhysicalDevices = 1478;      // u16
constexpr u32 kDisks = 1480;                // u16
constexpr u32 kCriticalDisks = 1482;        // u16
constexpr u32 kFailedDisks = 1484;          // u16
constexpr u32 kNvramKb = 1486;              // u16
constexpr u32 kMemoryMb = 1488;             // u16
constexpr u32 kFlashMb = 1490;              // u16
constexpr u32 kMemoryCorrectable = 1492;    // u16
constexpr u32 kMemoryUncorrectable = 1494;  // u16
constexpr u32 kClusterPermitted = 1496;     // u8
constexpr u32 kClusterActive = 1497;        // u8
constexpr u32 kMaxStripsPerIo = 1498;       // u16
constexpr u32 kRaidLevels = 1500;           // u8 bits
constexpr u32 kRaidQualifiers = 1501;       // u8 bits
constexpr u32 kAdapterOps = 1504;           // u8 x 4 bits
constexpr u32 kVdOps = 1508;                // u8 x 3 bits
constexpr u32 kMinStripCode = 1512;         // u8
constexpr u32 kMaxStripCode = 1513;         // u8
constexpr u32 kPdOps = 1516;                // u8 x 2 bits
constexpr u32 kDriveSupport = 1520;         // u8 bits
constexpr u32 kEccBucketCount = 1524;       // u16
constexpr u32 kStatusFlags = 1528;          // u8 bits

// Current settings: the 64-byte controller properties block (PropertiesFields.h).
constexpr u32 kSettings = 1536;

constexpr u32 kPackageBuild = 1600;  // char[96]
constexpr u32 kPackageBuildSize = 96;
constexpr u32 kMaxVdsPerArray = 1928;        // u8
constexpr u32 kSecurityKeyMode = 1930;       // u8
constexpr u32 kMaxFlashTierGb = 1936;        // u16
constexpr u32 kSsdCacheVds = 1938;           // u16, SSD-cache virtual drives present
constexpr u32 kExpanderFirmware = 1940;      // char[14]
constexpr u32 kExpanderFirmwareSize = 14;
constexpr u32 kFwCacheMb = 1954;             // u16
constexpr u32 kPiFlags = 1956;               // u8 bits
constexpr u32 kMoreCapabilities = 1957;      // u8 bits
constexpr u32 kDrivesPerLevel = 1960;        // u8 fewest, u8 most per level: 0, 1, 5, 6, 10, 50, 60
constexpr u32 kMaxSpinupPerMinute = 1992;    // u8
constexpr u32 kRocTemperature = 1993;        // u8 degrees Celsius
constexpr u32 kControllerTemperature = 1994;  // u8 degrees Celsius

}  // namespace sim::info
