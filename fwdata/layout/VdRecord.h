// A virtual-drive record of the configuration image (256 bytes): target id, sequence number,
// name, policies, RAID level, state, size and up to eight spans. The property record
// (VdProps.h) holds the changeable fields at the same offsets.
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdrec {
constexpr u32 kSize = 256;
constexpr Field<u8> kOffTargetId{0};
constexpr u8 kTargetIdAssigned = 0xFF;   // written: the controller assigns target id and sequence number
constexpr Field<u16> kOffSeqNum{2};
constexpr TextField kName{4, 16};
constexpr Field<u8> kOffDefaultCache{20}; // cache policy bits below
constexpr Field<u8> kOffDefaultAccess{21}; // 0 read/write, 2 read only, 3 blocked
constexpr Field<u8> kOffDiskCache{22};   // 0 unchanged, 1 enabled, 2 disabled
constexpr Field<u8> kOffCurrentCache{23}; // cache policy bits below
constexpr Field<u8> kOffBgiDisabled{24};
constexpr Field<u8> kOffDefaultPs{25};   // 0 default, 1 automatic, 2 maximum, 6 maximum without caching, 0xFE none
constexpr Field<u8> kOffCurrentPs{26};
constexpr Field<u8> kOffEncryption{27};  // 0 none, 1 full-disk encryption, 2 controller based
constexpr Field<u8> kOffPiType{28};
constexpr Field<u8> kOffCurrentAccess{29};
constexpr Field<u8> kOffAccessReason{30};
constexpr Field<u8> kOffPrimaryLevel{32};
constexpr Field<u8> kOffLevelQualifier{33};
constexpr Field<u8> kOffSecondaryLevel{34};
constexpr Field<u8> kOffStripExponent{35}; // strip = 2^n blocks of 512 bytes
constexpr Field<u8> kOffDrivesPerSpan{36};
constexpr Field<u8> kOffSpanDepth{37};
constexpr Field<u8> kOffState{38};       // the states below
constexpr u8 kStateOffline = 0;
constexpr u8 kStatePartiallyDegraded = 1;
constexpr u8 kStateDegraded = 2;
constexpr u8 kStateOptimal = 3;
constexpr Field<u8> kOffInitState{39};
constexpr Field<u8> kOffConsistent{40};
constexpr Field<u8> kOffBadBlocks{41};
constexpr Field<u8> kOffPreservedCache{43};
constexpr Field<u8> kOffSnapshot{45};
constexpr Field<u8> kOffSscServed{46};  // non-zero: the SSD cache serves the drive
constexpr Field<u8> kOffSscd{47};
constexpr Field<u64> kOffSizeBlocks{48};
constexpr u32 kOffSpans = 64;
constexpr u32 kSpanSize = 24;
constexpr Field<u64> kSpanOffStart{0};
constexpr Field<u64> kSpanOffBlocks{8};
constexpr Field<u16> kSpanOffArrayRef{16};
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

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffTargetId, kOffSeqNum, kOffDefaultCache, kOffDefaultAccess, kOffDiskCache,
                     kOffCurrentCache, kOffBgiDisabled, kOffDefaultPs, kOffCurrentPs, kOffEncryption, kOffPiType,
                     kOffCurrentAccess, kOffAccessReason, kOffPrimaryLevel, kOffLevelQualifier, kOffSecondaryLevel,
                     kOffStripExponent, kOffDrivesPerSpan, kOffSpanDepth, kOffState, kOffInitState, kOffConsistent,
                     kOffBadBlocks, kOffPreservedCache, kOffSnapshot, kOffSscServed, kOffSscd, kOffSizeBlocks));
static_assert(FitsIn(kSpanSize, kSpanOffStart, kSpanOffBlocks, kSpanOffArrayRef));
}  // namespace vdrec
