// The performance monitor's results (kDcmdCtrlMonitorGetResults): a 40-byte header with the
// controller cache figures, one cache entry per virtual drive, one SSD-cache entry per SSD-cache
// virtual drive, and the virtual drives' overall section at the offset the header gives.
#pragma once
#include "ZepUtil/ByteView.h"

namespace perfresults {
// The reply's length for v virtual drives that are no SSD cache and c SSD-cache virtual drives.
constexpr u32 kBaseSize = 48;
constexpr u32 kSizePerVd = 224;
constexpr u32 kSizePerSsc = 116;

constexpr u32 kHeaderSize = 40;
constexpr Field<u32> kOffOverallOffset{0};   // from the start of the reply
constexpr Field<u32> kOffCachePeriod{4}; // u32 seconds; 0: no cache figures
constexpr Field<u32> kOffAvgDirty{8};   // u32 percent of the cache
constexpr Field<u32> kOffAvgUsed{12};   // u32 percent of the cache
constexpr Field<u32> kOffReadAheadCache{16}; // u32 MB
constexpr Field<u32> kOffReadAheadSsc{20}; // u32 MB
constexpr Field<u32> kOffUnusedReadAheadCache{24}; // u32 MB
constexpr Field<u32> kOffUnusedReadAheadSsc{28}; // u32 MB
constexpr Field<u32> kOffFlushBlockTime{32}; // u32 ms
constexpr Field<u16> kOffSscCount{36};
constexpr Field<u16> kOffCacheCount{38};

// Cache entries, from kHeaderSize.
constexpr u32 kCacheEntrySize = 104;
constexpr Field<u8> kCacheOffTarget{0};
// Histograms of kSizeBuckets u32 each: the field is the first bucket, bucket i lies
// sizeof(u32) * i further on.
constexpr Field<u32> kCacheOffReads{8};
constexpr Field<u32> kCacheOffWrites{32};
constexpr Field<u32> kCacheOffSscReads{56};
constexpr Field<u32> kCacheOffSscWrites{80};
constexpr u32 kSizeBuckets = 6;

// SSD-cache entries, right after the cache entries.
constexpr u32 kSscEntrySize = 116;
constexpr Field<u8> kSscOffTarget{0};
constexpr Field<u32> kSscOffWindows{4}; // i32
constexpr Field<u32> kSscOffNewWindows{8}; // i32
constexpr Field<u8> kSscOffLinesInUse{12};
constexpr Field<u32> kSscOffWindowsWithLines{16}; // i32
constexpr Field<u32> kSscOffReads{20};  // i32
constexpr Field<u32> kSscOffWrites{24}; // i32
// Histograms of kAccessBuckets i32 each, from their first bucket.
constexpr Field<u32> kSscOffReadAccess{28};
constexpr Field<u32> kSscOffWriteAccess{72};
constexpr u32 kAccessBuckets = 11;

// The overall section, at kOffOverallOffset.
constexpr Field<u32> kOverallOffEntriesSize{0}; // u32 bytes of the entries
constexpr Field<u32> kOverallOffPeriod{4}; // u32 seconds; 0: nothing to report
constexpr u32 kOverallOffEntries = 8;
constexpr u32 kOverallEntrySize = 120;
constexpr Field<u8> kOverallOffTarget{0};
constexpr Field<u16> kOverallOffIdle{2};   // u16 seconds
constexpr Field<u32> kOverallOffReadMb{8};
constexpr Field<u32> kOverallOffWriteMb{12};
// Histograms from their first bucket: kSizeBuckets u32, then kRandomnessBuckets u32.
constexpr Field<u32> kOverallOffReads{16};
constexpr Field<u32> kOverallOffWrites{40};
constexpr Field<u32> kOverallOffReadRandomness{64};
constexpr Field<u32> kOverallOffWriteRandomness{92};
constexpr u32 kRandomnessBuckets = 7;

// Every field lies within its block or entry.
static_assert(FitsIn(kHeaderSize, kOffOverallOffset, kOffCachePeriod, kOffAvgDirty, kOffAvgUsed, kOffReadAheadCache,
                     kOffReadAheadSsc, kOffUnusedReadAheadCache, kOffUnusedReadAheadSsc, kOffFlushBlockTime,
                     kOffSscCount, kOffCacheCount));
// A histogram fits when its last bucket does.
constexpr u32 kLastSizeBucket = sizeof(u32) * (kSizeBuckets - 1);
constexpr u32 kLastAccessBucket = sizeof(u32) * (kAccessBuckets - 1);
constexpr u32 kLastRandomnessBucket = sizeof(u32) * (kRandomnessBuckets - 1);
static_assert(FitsIn(kCacheEntrySize, kCacheOffTarget, kCacheOffReads + kLastSizeBucket,
                     kCacheOffWrites + kLastSizeBucket, kCacheOffSscReads + kLastSizeBucket,
                     kCacheOffSscWrites + kLastSizeBucket));
static_assert(FitsIn(kSscEntrySize, kSscOffTarget, kSscOffWindows, kSscOffNewWindows, kSscOffLinesInUse,
                     kSscOffWindowsWithLines, kSscOffReads, kSscOffWrites, kSscOffReadAccess + kLastAccessBucket,
                     kSscOffWriteAccess + kLastAccessBucket));
static_assert(FitsIn(kOverallEntrySize, kOverallOffEntriesSize, kOverallOffPeriod, kOverallOffTarget,
                     kOverallOffIdle, kOverallOffReadMb, kOverallOffWriteMb, kOverallOffReads + kLastSizeBucket,
                     kOverallOffWrites + kLastSizeBucket, kOverallOffReadRandomness + kLastRandomnessBucket,
                     kOverallOffWriteRandomness + kLastRandomnessBucket));
}  // namespace perfresults
