// The connector list (168 bytes, kDcmdConnectorGetList).
#pragma once
#include "ZepUtil/ByteView.h"

namespace connlist {
constexpr u32 kSize = 168;
constexpr Field<u8> kOffCount{0};
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 20;
constexpr Field<u8> kEntryOffLocation{0};  // 0 unknown, 2 internal, 3 external
constexpr TextField kEntryName{4, 16};
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffCount));
static_assert(FitsIn(kEntrySize, kEntryOffLocation));
}  // namespace connlist
