// The enclosure list (4616 bytes, kDcmdEnclGetList).
#pragma once
#include "ZepUtil/ByteView.h"

namespace encllist {
constexpr u32 kSize = 4616;
constexpr u32 kOffCount = 0;             // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 144;
constexpr u32 kEntryOffDeviceId = 0;     // u16
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;
}  // namespace encllist
