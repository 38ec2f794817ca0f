// The battery properties (32 bytes, read kDcmdBbuGetProperties, written kDcmdBbuSetProperties
// whole: bytes not named here are carried back unchanged).
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbuprops {
constexpr u32 kSize = 32;
constexpr Field<u32> kOffLearnPeriod{0};      // seconds
constexpr Field<u32> kOffNextLearn{4};        // controller time
constexpr Field<u8> kOffLearnDelay{8};       // hours
constexpr Field<u8> kOffAutoLearnMode{9};
constexpr u8 kAutoLearnOn = 0;
constexpr u8 kAutoLearnOff = 1;
constexpr u8 kAutoLearnWarn = 2;
constexpr Field<u8> kOffBatteryMode{10};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffLearnPeriod, kOffNextLearn, kOffLearnDelay, kOffAutoLearnMode, kOffBatteryMode));
}  // namespace bbuprops
