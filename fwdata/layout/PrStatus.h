// The patrol-read status (16 bytes, kDcmdCtrlPrGetStatus).
#pragma once
#include "ZepUtil/ByteView.h"

namespace prstatus {
constexpr u32 kSize = 16;
constexpr u32 kOffIterations = 0;     // u32
constexpr u32 kOffState = 4;          // 0 stopped, 1 ready, 2 active, 3 suspended, 255 aborted
constexpr u8 kStateActive = 2;
constexpr u32 kOffPdsCompleted = 5;   // while active or suspended
}  // namespace prstatus
