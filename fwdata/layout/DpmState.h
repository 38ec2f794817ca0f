// The drive performance monitoring state (16 bytes, kDcmdDpmGetState): whether the monitor is
// on and its configuration.
#pragma once
#include "ZepUtil/ByteView.h"

namespace dpmstate {
constexpr u32 kSize = 16;
constexpr u32 kOffState = 0;            // non-zero: monitoring on
constexpr u32 kOffAveragedCommands = 2; // u16, the most commands an average is taken over
constexpr u32 kOffLongestKept = 4;      // u16, the most longest commands kept
constexpr u32 kOffTicksPerSecond = 8;   // u32, the rate of the tick counts of the statistics
}  // namespace dpmstate
