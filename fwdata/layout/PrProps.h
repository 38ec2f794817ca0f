// The patrol-read properties (208 bytes, kDcmdCtrlPrGetProperties / kDcmdCtrlPrSetProperties).
#pragma once
#include "ZepUtil/ByteView.h"

namespace prprops {
constexpr u32 kSize = 208;
constexpr Field<u8> kOffMode{0};      // 0 automatic, 1 manual, 2 disabled
constexpr Field<u8> kOffMaxConcurrent{1}; // drives read at once
constexpr Field<u8> kOffOnSsd{2};     // 1 solid state drives are read too
constexpr Field<u32> kOffNextStart{196};   // seconds since 2000-01-01 00:00:00 local time
constexpr Field<u32> kOffExecDelay{200};   // seconds
constexpr u32 kNoDelay = 0xFFFFFFFF;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffMode, kOffMaxConcurrent, kOffOnSsd, kOffNextStart, kOffExecDelay));
}  // namespace prprops
