// The battery FRU block (32 bytes, kDcmdCtrlGetBatteryFru): the FRU text first.
#pragma once
#include "ZepUtil/ByteView.h"

namespace batteryfru {
constexpr u32 kSize = 32;
constexpr TextField kFru{0, 8};
}  // namespace batteryfru
