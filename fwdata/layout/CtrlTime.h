// The controller time (8 bytes, kDcmdCtrlGetTime); all zero when the clock is not set.
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrltime {
constexpr u32 kSize = 8;
constexpr Field<u16> kOffYear{0};
constexpr Field<u8> kOffMonth{2};
constexpr Field<u8> kOffDay{3};
constexpr Field<u8> kOffHour{4};
constexpr Field<u8> kOffMinute{5};
constexpr Field<u8> kOffSecond{6};
// The block as two words, for telling a clock that is not set.
constexpr Field<u32> kOffLowWord{0};
constexpr Field<u32> kOffHighWord{4};
// The clock as seconds since 2000-01-01 00:00:00 (4 bytes, kDcmdCtrlGetTimeSeconds).
constexpr u32 kSecondsSize = 4;
constexpr Field<u32> kOffSeconds{0};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffYear, kOffMonth, kOffDay, kOffHour, kOffMinute, kOffSecond, kOffLowWord,
                     kOffHighWord, kOffSeconds));
}  // namespace ctrltime
