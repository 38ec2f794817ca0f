// The alarm state (4 bytes, kDcmdCtrlGetAlarm).
#pragma once
#include "ZepUtil/ByteView.h"

namespace alarmstate {
constexpr u32 kSize = 4;
constexpr u32 kOffEnabled = 0;
}  // namespace alarmstate
