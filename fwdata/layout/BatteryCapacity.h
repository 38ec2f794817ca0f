// The battery capacity (48 bytes, kDcmdBbuGetCapacity), all fields u16.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbucapacity {
constexpr u32 kSize = 48;
constexpr u32 kOffRelativeCharge = 0;    // %
constexpr u32 kOffAbsoluteCharge = 2;    // %
constexpr u32 kOffRemaining = 4;         // mAh
constexpr u32 kOffFullCapacity = 6;      // mAh
constexpr u32 kOffRunTimeToEmpty = 8;    // minutes
constexpr u32 kOffAverageTimeToEmpty = 10;
constexpr u32 kOffTimeToFull = 12;
constexpr u16 kNoTime = 0xFFFF;          // not discharging / not charging
constexpr u32 kOffCycleCount = 14;
constexpr u32 kOffMaxError = 16;         // %
constexpr u32 kOffCapacityAlarm = 18;    // mAh
constexpr u32 kOffTimeAlarm = 20;        // minutes
}  // namespace bbucapacity
