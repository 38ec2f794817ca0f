// The consistency-check status (16 bytes, kDcmdCtrlCcGetStatus).
#pragma once
#include "ZepUtil/ByteView.h"

namespace ccstatus {
constexpr u32 kSize = 16;
constexpr Field<u32> kOffIterations{0};
constexpr Field<u8> kOffState{4};     // 0 stopped, 1 ready, 2 active, 255 aborted
constexpr Field<u8> kOffLdsCompleted{5};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffIterations, kOffState, kOffLdsCompleted));
}  // namespace ccstatus
