// The event log information (20 bytes, kDcmdCtrlEventGetInfo): five u32 sequence numbers.
#pragma once
#include "ZepUtil/ByteView.h"

namespace evloginfo {
constexpr u32 kSize = 20;
constexpr u32 kNumbers = 5;
constexpr u32 kNumberSize = 4;
// Each number's index.
constexpr u32 kNewest = 0;
constexpr u32 kOldest = 1;
constexpr u32 kClear = 2;
constexpr u32 kShutdown = 3;
constexpr u32 kBoot = 4;
}  // namespace evloginfo
