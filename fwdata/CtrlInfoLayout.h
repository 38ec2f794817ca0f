// Offsets of the controller-wide blocks the adapter data reads: the controller information
// (2048 bytes), the controller properties (64 bytes), the OEM data, the connector list and the
// PHY list.
#pragma once
#include "ZepUtil/Types.h"

namespace ctrlinfo {
constexpr u32 kSize = 2048;
constexpr u32 kOffMaxLdCount = 1343;           // u8
constexpr u32 kOffRaidLevels = 1500;           // bit 0 RAID 0, 1 RAID 1, 2 RAID 5, 4 RAID 6, 5 RAID 10, 6 RAID 50, 7 RAID 60
constexpr u32 kOffSscRaid5 = 1501;             // bit 6
constexpr u32 kOffCaps1506 = 1506;             // bit 5 connector information, bit 6 allowed operations
constexpr u32 kOffCaps1507 = 1507;             // bit 2 encryption, 3 more than 8 PHYs, 4 expansion, 5 EKM, 6 snapshot
constexpr u32 kOffCaps1508 = 1508;             // bit 4 virtual-drive disk cache policy
constexpr u32 kOffCaps1509 = 1509;             // bit 1 BBM, 4 power saving, 5 max without caching, 6 mirror, 7 SSC write back
constexpr u32 kOffCaps1510 = 1510;             // bit 0 SSC virtual-drive association
constexpr u32 kOffCaps1517 = 1517;             // bit 0 spin down, 1 spin up before a configuration write
constexpr u32 kOffDriveSupport = 1520;         // bit 3 HDD SAS/SATA mix, 5 SSD SAS/SATA mix, 6 SSD/HDD mix in a virtual drive
constexpr u32 kOffEccBucketCount = 1524;       // u16
constexpr u32 kOffStatus1528 = 1528;           // bit 1 key assigned, 2 key failed at boot, 6 reboot required
constexpr u32 kOffPerfModes = 1584;            // per mode n: max flush lines at +2n, ordered I/Os at +2n+1
constexpr u32 kOffMaxVdsPerArray = 1928;       // u8
constexpr u32 kOffSecurityKeyMode = 1930;      // u8
constexpr u32 kOffMaxSscCount = 1936;          // u16
constexpr u32 kOffSscCount = 1938;             // u16
constexpr u32 kOffCaps1956 = 1956;             // bit 0 PI, 6 block SSD write-cache change, 7 background-operation suspend/resume
constexpr u32 kOffCaps1957 = 1957;             // bit 0 emergency spares, 5 performance tuning, 6 SSD patrol read, 7 real-time scheduling
// Fewest and most drives of an array per RAID level: u8 pairs at +2i, +2i+1 for the levels
// 0, 1, 5, 6, 10, 50, 60.
constexpr u32 kOffArrayDriveLimits = 1960;
constexpr u32 kArrayDriveLimitLevels = 7;
}  // namespace ctrlinfo

// The controller defaults block (new virtual drives start from it).
namespace ctrldefaults {
constexpr u32 kSize = 72;
constexpr u32 kOffStripCode = 10;              // u8, the strip is 2^n blocks
constexpr u32 kOffWritePolicy = 12;            // 0 write through, 1 write back, 2 adaptive
constexpr u32 kOffReadPolicy = 13;             // 0 none, 1 read ahead, 2 adaptive
constexpr u32 kOffCacheWhenBbuBad = 14;        // non-zero: write back with a bad battery
constexpr u32 kOffCachedIo = 15;               // non-zero: cached I/O
}  // namespace ctrldefaults

namespace ctrlprops {
constexpr u32 kSize = 64;
}  // namespace ctrlprops

namespace oemdata {
constexpr u32 kSize = 24;
constexpr u32 kOffMode = 0;
}  // namespace oemdata

namespace connlist {
constexpr u32 kSize = 168;
constexpr u32 kOffCount = 0;                   // u8
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 20;
constexpr u32 kEntryOffLocation = 0;           // u8: 0 unknown, 2 internal, 3 external
constexpr u32 kEntryOffName = 4;
constexpr u32 kNameWidth = 16;
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;
}  // namespace connlist

namespace phylist {
constexpr u32 kSize = 264;
constexpr u32 kOffCount = 0;                   // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr u32 kEntryOffState = 11;             // 255: disabled
constexpr u8 kStateDisabled = 255;
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;
}  // namespace phylist

namespace dpmstate {
constexpr u32 kSize = 16;
constexpr u32 kWords = 4;
}  // namespace dpmstate
