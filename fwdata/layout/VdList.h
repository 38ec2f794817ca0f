// The virtual-drive list (1032 bytes, kDcmdLdGetList).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdlist {
constexpr u32 kSize = 1032;
constexpr u32 kOffCount = 0;             // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr u32 kEntryOffTargetId = 0;     // u8
constexpr u32 kEntryOffSeqNum = 2;       // u16
constexpr u32 kEntryOffState = 4;        // u8
constexpr u32 kEntryOffBlocks = 8;       // u64
constexpr u32 kMaxEntries = 64;
}  // namespace vdlist
