// The drive performance monitoring state (16 bytes, kDcmdDpmGetState): the state in byte 0 and
// the block as four u32 words.
#pragma once
#include "ZepUtil/ByteView.h"

namespace dpmstate {
constexpr u32 kSize = 16;
constexpr u32 kOffState = 0;
constexpr u32 kOffWords = 0;
constexpr u32 kWords = 4;
}  // namespace dpmstate
