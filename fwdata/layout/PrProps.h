// The patrol-read properties (208 bytes, kDcmdCtrlPrGetProperties / kDcmdCtrlPrSetProperties).
#pragma once
#include "ZepUtil/ByteView.h"

namespace prprops {
constexpr u32 kSize = 208;
constexpr u32 kOffMode = 0;           // 0 automatic, 1 manual, 2 disabled
constexpr u32 kOffMaxConcurrent = 1;  // drives read at once
constexpr u32 kOffOnSsd = 2;          // 1 solid state drives are read too
constexpr u32 kOffNextStart = 196;    // u32, seconds since 2000-01-01 00:00:00 local time
constexpr u32 kOffExecDelay = 200;    // u32, seconds
constexpr u32 kNoDelay = 0xFFFFFFFF;
}  // namespace prprops
