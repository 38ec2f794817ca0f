// The foreign scan's reply (kDcmdCfgForeignScan): the number of foreign configurations the
// controller finds on its drives.
#pragma once
#include "ZepUtil/ByteView.h"

namespace foreignscan {
constexpr u32 kSize = 196;
constexpr u32 kOffCount = 0;                 // u32
}  // namespace foreignscan
