// The battery properties (32 bytes, read kDcmdBbuGetProperties, written kDcmdBbuSetProperties
// whole: bytes not named here are carried back unchanged).
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbuprops {
constexpr u32 kSize = 32;
constexpr u32 kOffLearnPeriod = 0;       // u32, seconds
constexpr u32 kOffNextLearn = 4;         // u32, controller time
constexpr u32 kOffLearnDelay = 8;        // u8, hours
constexpr u32 kOffAutoLearnMode = 9;     // u8
constexpr u8 kAutoLearnOn = 0;
constexpr u8 kAutoLearnOff = 1;
constexpr u8 kAutoLearnWarn = 2;
constexpr u32 kOffBatteryMode = 10;      // u8
}  // namespace bbuprops
