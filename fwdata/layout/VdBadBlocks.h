// The bad-block counts of one virtual drive (32 bytes, kDcmdLdBbmGetOne) and of every virtual
// drive (2056 bytes, kDcmdLdBbmGetAll: a count, then one entry per target id 0-63 laid out as
// the single reply).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdbbt {
constexpr u32 kSize = 32;
constexpr Field<u64> kOffCorrected{0};
constexpr Field<u64> kOffUncorrected{8};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffCorrected, kOffUncorrected));
}  // namespace vdbbt

namespace vdbbtall {
constexpr u32 kSize = 2056;
constexpr Field<u32> kOffCount{0};            // virtual drives reported
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = vdbbt::kSize;
constexpr u32 kMaxEntries = 64;          // by target id

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffCount));
}  // namespace vdbbtall
