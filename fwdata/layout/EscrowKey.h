// The escrow key block (kDcmdCtrlKeyEscrow): the key of foreign secured drives, NUL-terminated,
// the rest zero.
#pragma once
#include "ZepUtil/ByteView.h"

namespace escrowkey {
constexpr u32 kSize = 104;
constexpr u32 kOffKey = 0;
constexpr u32 kMaxKeyLength = kSize - 1;
}  // namespace escrowkey
