// The drive list (kDcmdPdGetList): a 32-byte head read first tells how many 24-byte entries
// follow; drives and enclosures alike.
#pragma once
#include "ZepUtil/ByteView.h"

namespace pdlist {
constexpr u32 kHeadSize = 32;
constexpr Field<u32> kOffCount{4};
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 24;
constexpr Field<u16> kEntryOffDeviceId{0};
constexpr Field<u16> kEntryOffEnclDeviceId{2}; // 0xFFFF without enclosure
constexpr Field<u8> kEntryOffSlot{5};
constexpr Field<u8> kEntryOffScsiType{6}; // 0 disk, 13 enclosure
constexpr u8 kScsiTypeDisk = 0;
constexpr u8 kScsiTypeEnclosure = 13;
// More devices than this is not a reply any controller gives.
constexpr u32 kMaxEntries = 1024;

// The bytes of a list of `count` entries.
constexpr u64 ListSize(u64 count) { return kOffEntries + count * kEntrySize; }

// Every field lies within its block or entry.
static_assert(FitsIn(kHeadSize, kOffCount));
static_assert(FitsIn(kEntrySize, kEntryOffDeviceId, kEntryOffEnclDeviceId, kEntryOffSlot, kEntryOffScsiType));
}  // namespace pdlist
