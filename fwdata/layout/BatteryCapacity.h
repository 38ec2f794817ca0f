// The battery capacity (48 bytes, kDcmdBbuGetCapacity), all fields u16.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbucapacity {
constexpr u32 kSize = 48;
constexpr Field<u16> kOffRelativeCharge{0}; // %
constexpr Field<u16> kOffAbsoluteCharge{2}; // %
constexpr Field<u16> kOffRemaining{4};   // mAh
constexpr Field<u16> kOffFullCapacity{6}; // mAh
constexpr Field<u16> kOffRunTimeToEmpty{8}; // minutes
constexpr Field<u16> kOffAverageTimeToEmpty{10};
constexpr Field<u16> kOffTimeToFull{12};
constexpr u16 kNoTime = 0xFFFF;          // not discharging / not charging
constexpr Field<u16> kOffCycleCount{14};
constexpr Field<u16> kOffMaxError{16};   // %
constexpr Field<u16> kOffCapacityAlarm{18}; // mAh
constexpr Field<u16> kOffTimeAlarm{20};  // minutes

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffRelativeCharge, kOffAbsoluteCharge, kOffRemaining, kOffFullCapacity,
                     kOffRunTimeToEmpty, kOffAverageTimeToEmpty, kOffTimeToFull, kOffCycleCount, kOffMaxError,
                     kOffCapacityAlarm, kOffTimeAlarm));
}  // namespace bbucapacity
