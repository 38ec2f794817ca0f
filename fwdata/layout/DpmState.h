// The drive performance monitoring state (16 bytes, kDcmdDpmGetState): whether the monitor is
// on and its configuration.
#pragma once
#include "ZepUtil/ByteView.h"

namespace dpmstate {
constexpr u32 kSize = 16;
constexpr Field<u8> kOffState{0};       // non-zero: monitoring on
constexpr Field<u16> kOffAveragedCommands{2}; // the most commands an average is taken over
constexpr Field<u16> kOffLongestKept{4};     // the most longest commands kept
constexpr Field<u32> kOffTicksPerSecond{8};  // the rate of the tick counts of the statistics

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffState, kOffAveragedCommands, kOffLongestKept, kOffTicksPerSecond));
}  // namespace dpmstate
