// A virtual-drive record of the configuration image (256 bytes): target id, sequence number,
// name, policies, RAID level, state, size and up to eight spans. The property record
// (VdProps.h) holds the changeable fields at the same offsets.
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdrec {
constexpr u32 kSize = 256;
constexpr u32 kOffTargetId = 0;          // u8
constexpr u8 kTargetIdAssigned = 0xFF;   // written: the controller assigns target id and sequence number
constexpr u32 kOffSeqNum = 2;            // u16
constexpr TextField kName{4, 16};
constexpr u32 kOffDefaultCache = 20;     // cache policy bits below
constexpr u32 kOffDefaultAccess = 21;    // 0 read/write, 2 read only, 3 blocked
constexpr u32 kOffDiskCache = 22;        // 0 unchanged, 1 enabled, 2 disabled
constexpr u32 kOffCurrentCache = 23;     // cache policy bits below
constexpr u32 kOffBgiDisabled = 24;
constexpr u32 kOffDefaultPs = 25;        // 0 default, 1 automatic, 2 maximum, 6 maximum without caching, 0xFE none
constexpr u32 kOffCurrentPs = 26;
constexpr u32 kOffEncryption = 27;       // 0 none, 1 full-disk encryption, 2 controller based
constexpr u32 kOffPiType = 28;
constexpr u32 kOffCurrentAccess = 29;
constexpr u32 kOffAccessReason = 30;
constexpr u32 kOffPrimaryLevel = 32;
constexpr u32 kOffLevelQualifier = 33;
constexpr u32 kOffSecondaryLevel = 34;
constexpr u32 kOffStripExponent = 35;    // strip = 2^n blocks of 512 bytes
constexpr u32 kOffDrivesPerSpan = 36;
constexpr u32 kOffSpanDepth = 37;
constexpr u32 kOffState = 38;            // the states below
constexpr u8 kStateOffline = 0;
constexpr u8 kStatePartiallyDegraded = 1;
constexpr u8 kStateDegraded = 2;
constexpr u8 kStateOptimal = 3;
constexpr u32 kOffInitState = 39;
constexpr u32 kOffConsistent = 40;
constexpr u32 kOffBadBlocks = 41;
constexpr u32 kOffPreservedCache = 43;
constexpr u32 kOffSnapshot = 45;
constexpr u32 kOffSscServed = 46;       // non-zero: the SSD cache serves the drive
constexpr u32 kOffSscd = 47;
constexpr u32 kOffSizeBlocks = 48;       // u64
constexpr u32 kOffSpans = 64;
constexpr u32 kSpanSize = 24;
constexpr u32 kSpanOffStart = 0;         // u64
constexpr u32 kSpanOffBlocks = 8;        // u64
constexpr u32 kSpanOffArrayRef = 16;     // u16
constexpr u32 kMaxSpans = 8;

// Bits of a cache policy byte.
constexpr u8 kCacheWriteBack = 0x01;
constexpr u8 kCacheReadAhead = 0x04;
constexpr u8 kCacheReadAdaptive = 0x0C;  // both read bits
constexpr u8 kCacheReadMask = 0x0C;
constexpr u8 kCacheBadBbu = 0x10;        // write back also with a bad battery
constexpr u8 kCacheCachedIo = 0x60;      // both I/O bits

// Access policies (default and current) and the reason a drive is blocked.
constexpr u8 kAccessReadWrite = 0;
constexpr u8 kAccessReadOnly = 2;
constexpr u8 kAccessBlocked = 3;
constexpr u8 kAccessReasonSscdOffline = 1;

// Power-save policies (default and current).
constexpr u8 kPsDefault = 0;
constexpr u8 kPsAutomatic = 1;
constexpr u8 kPsMaximum = 2;
constexpr u8 kPsMaximumWithoutCaching = 6;
constexpr u8 kPsNone = 0xFE;

// Encryption types.
constexpr u8 kEncryptionFde = 1;
constexpr u8 kEncryptionCtrlBased = 2;
}  // namespace vdrec
