// The SSD-cache association list (kDcmdLdGetSscAssociation / kDcmdLdSetSscAssociation): the
// virtual drives a cache virtual drive serves. u32 total length (kEntrySize per entry), u32
// number of entries, three reserved bytes, then one target id per entry.
#pragma once
#include "ZepUtil/ByteView.h"

namespace sscassoc {
constexpr u32 kEntrySize = 12;
constexpr Field<u32> kOffTotalLength{0};
constexpr Field<u32> kOffCount{4};
constexpr Field<u8> kOffTargetIds{11};   // u8 each
// Target ids are 8-bit: a longer list is a controller fault.
constexpr u32 kMaxEntries = 256;

// An empty list is one entry long.
constexpr u32 ListSize(u32 entries) { return (entries != 0 ? entries : 1) * kEntrySize; }

// Every field lies within its block.
static_assert(FitsIn(kEntrySize, kOffTotalLength, kOffCount, kOffTargetIds));
}  // namespace sscassoc
