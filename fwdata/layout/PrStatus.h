// The patrol-read status (16 bytes, kDcmdCtrlPrGetStatus).
#pragma once
#include "ZepUtil/ByteView.h"

namespace prstatus {
constexpr u32 kSize = 16;
constexpr Field<u32> kOffIterations{0};
constexpr Field<u8> kOffState{4};     // 0 stopped, 1 ready, 2 active, 3 suspended, 255 aborted
constexpr u8 kStateActive = 2;
constexpr Field<u8> kOffPdsCompleted{5}; // while active or suspended

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffIterations, kOffState, kOffPdsCompleted));
}  // namespace prstatus
