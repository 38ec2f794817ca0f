// The alarm state (4 bytes, kDcmdCtrlGetAlarm).
#pragma once
#include "ZepUtil/ByteView.h"

namespace alarmstate {
constexpr u32 kSize = 4;
constexpr Field<u8> kOffEnabled{0};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffEnabled));
}  // namespace alarmstate
