// The virtual-drive list (1032 bytes, kDcmdLdGetList).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdlist {
constexpr u32 kSize = 1032;
constexpr Field<u32> kOffCount{0};
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr Field<u8> kEntryOffTargetId{0};
constexpr Field<u16> kEntryOffSeqNum{2};
constexpr Field<u8> kEntryOffState{4};
constexpr Field<u64> kEntryOffBlocks{8};
constexpr u32 kMaxEntries = 64;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffCount));
static_assert(FitsIn(kEntrySize, kEntryOffTargetId, kEntryOffSeqNum, kEntryOffState, kEntryOffBlocks));
}  // namespace vdlist
