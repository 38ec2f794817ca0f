// The battery FRU block (32 bytes, kDcmdCtrlGetBatteryFru): the battery's FRU text, then the
// battery module's.
#pragma once
#include "ZepUtil/ByteView.h"

namespace batteryfru {
constexpr u32 kSize = 32;
constexpr TextField kFru{0, 8};
constexpr TextField kModuleFru{8, 8};
}  // namespace batteryfru
