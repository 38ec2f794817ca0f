// The connector list (168 bytes, kDcmdConnectorGetList).
#pragma once
#include "ZepUtil/ByteView.h"

namespace connlist {
constexpr u32 kSize = 168;
constexpr u32 kOffCount = 0;           // u8
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 20;
constexpr u32 kEntryOffLocation = 0;   // u8: 0 unknown, 2 internal, 3 external
constexpr TextField kEntryName{4, 16};
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;
}  // namespace connlist
