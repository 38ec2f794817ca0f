// The event list (kDcmdCtrlEventGetList): a u32 record count, four unused bytes, then the
// 256-byte event records (EventRecord.h). The count request (kDcmdCtrlEventGetCount) answers
// with one u32. Both select with mailbox word 0 = the start sequence number and word 1 = a
// class/locale word.
#pragma once
#include "ZepUtil/ByteView.h"

namespace evlist {
constexpr Field<u32> kOffCount{0};
constexpr u32 kHeaderSize = 8;
constexpr u32 kRecordSize = 256;
constexpr u32 kCountReplySize = 4;
constexpr Field<u32> kCountReplyOffCount{0};

constexpr u32 ListSize(u32 records) { return kHeaderSize + records * kRecordSize; }
constexpr u32 RecordOffset(u32 index) { return kHeaderSize + index * kRecordSize; }

// The class/locale word: u16 locale bits, a zero byte, the signed class (the lowest class that
// is selected) in the top byte.
constexpr u16 kAllLocales = 0xFFFF;
constexpr u16 kLocaleVd = 0x0001;
constexpr u32 ClassLocale(s8 lowestClass, u16 locales)
{
    return (static_cast<u32>(static_cast<u8>(lowestClass)) << 24) | locales;
}

// Every field lies within its block or entry.
static_assert(FitsIn(kHeaderSize, kOffCount));
static_assert(FitsIn(kCountReplySize, kCountReplyOffCount));
}  // namespace evlist
