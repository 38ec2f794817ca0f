// The consistency-check status (16 bytes, kDcmdCtrlCcGetStatus).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ccstatus {
constexpr u32 kSize = 16;
constexpr u32 kOffIterations = 0;     // u32
constexpr u32 kOffState = 4;          // 0 stopped, 1 ready, 2 active, 255 aborted
constexpr u32 kOffLdsCompleted = 5;
}  // namespace ccstatus
