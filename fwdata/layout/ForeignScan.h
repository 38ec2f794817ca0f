// The foreign scan's reply (kDcmdCfgForeignScan): the number of foreign configurations the
// controller finds on its drives.
#pragma once
#include "ZepUtil/ByteView.h"

namespace foreignscan {
constexpr u32 kSize = 196;
constexpr Field<u32> kOffCount{0};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffCount));
}  // namespace foreignscan
