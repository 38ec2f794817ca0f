// The controller time (8 bytes, kDcmdCtrlGetTime); all zero when the clock is not set.
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrltime {
constexpr u32 kSize = 8;
constexpr u32 kOffYear = 0;    // u16
constexpr u32 kOffMonth = 2;
constexpr u32 kOffDay = 3;
constexpr u32 kOffHour = 4;
constexpr u32 kOffMinute = 5;
constexpr u32 kOffSecond = 6;
// The block as two words, for telling a clock that is not set.
constexpr u32 kOffLowWord = 0;
constexpr u32 kOffHighWord = 4;
// The clock as seconds since 2000-01-01 00:00:00 (4 bytes, kDcmdCtrlGetTimeSeconds).
constexpr u32 kSecondsSize = 4;
constexpr u32 kOffSeconds = 0;           // u32
}  // namespace ctrltime
