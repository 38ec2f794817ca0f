// The drive list (kDcmdPdGetList): a 32-byte head read first tells how many 24-byte entries
// follow; drives and enclosures alike.
#pragma once
#include "ZepUtil/ByteView.h"

namespace pdlist {
constexpr u32 kHeadSize = 32;
constexpr u32 kOffCount = 4;             // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 24;
constexpr u32 kEntryOffDeviceId = 0;     // u16
constexpr u32 kEntryOffEnclDeviceId = 2; // u16, 0xFFFF without enclosure
constexpr u32 kEntryOffSlot = 5;
constexpr u32 kEntryOffScsiType = 6;     // 0 disk, 13 enclosure
constexpr u8 kScsiTypeDisk = 0;
constexpr u8 kScsiTypeEnclosure = 13;
// More devices than this is not a reply any controller gives.
constexpr u32 kMaxEntries = 1024;

// The bytes of a list of `count` entries.
constexpr u64 ListSize(u64 count) { return kOffEntries + count * kEntrySize; }
}  // namespace pdlist
