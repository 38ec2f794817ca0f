// The PHY list (264 bytes, kDcmdPhyGetList).
#pragma once
#include "ZepUtil/ByteView.h"

namespace phylist {
constexpr u32 kSize = 264;
constexpr u32 kOffCount = 0;           // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr u32 kEntryOffState = 11;     // kStateDisabled: disabled
constexpr u8 kStateDisabled = 255;
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;
}  // namespace phylist
