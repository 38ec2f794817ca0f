// The consistency-check schedule (168 bytes, kDcmdCtrlCcGetSchedule / kDcmdCtrlCcSetSchedule).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ccsched {
constexpr u32 kSize = 168;
constexpr Field<u8> kOffMode{0};      // 0 disabled, 1 sequential, 2 concurrent
constexpr Field<u8> kOffExcludedCount{3};
constexpr Field<u16> kOffExcluded{4}; // u16 target ids
constexpr u32 kExcludedSize = 2;
constexpr u32 kMaxExcluded = 74;
constexpr Field<u32> kOffNextStart{152};   // seconds since 2000-01-01 00:00:00 local time
constexpr Field<u32> kOffExecDelay{156};   // seconds
constexpr u32 kNoDelay = 0xFFFFFFFF;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffMode, kOffExcludedCount, kOffExcluded, kOffNextStart, kOffExecDelay));
}  // namespace ccsched
