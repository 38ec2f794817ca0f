// The consistency-check schedule (168 bytes, kDcmdCtrlCcGetSchedule / kDcmdCtrlCcSetSchedule).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ccsched {
constexpr u32 kSize = 168;
constexpr u32 kOffMode = 0;           // 0 disabled, 1 sequential, 2 concurrent
constexpr u32 kOffExcludedCount = 3;  // u8
constexpr u32 kOffExcluded = 4;       // u16 target ids
constexpr u32 kExcludedSize = 2;
constexpr u32 kMaxExcluded = 74;
constexpr u32 kOffNextStart = 152;    // u32, seconds since 2000-01-01 00:00:00 local time
constexpr u32 kOffExecDelay = 156;    // u32, seconds
constexpr u32 kNoDelay = 0xFFFFFFFF;
}  // namespace ccsched
