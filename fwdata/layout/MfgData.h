// The manufacturing data (32 bytes, kDcmdCtrlGetMfgData). Dates are packed: day in bits 0-4,
// month in bits 5-8, year in bits 9-15.
#pragma once
#include "ZepUtil/ByteView.h"

namespace mfgdata {
constexpr u32 kSize = 32;
constexpr Field<u16> kOffMfgDate{0};      // packed
constexpr TextField kSerial{2, 16};
constexpr Field<u16> kOffReworkDate{18};  // packed
constexpr TextField kRevision{20, 8};

constexpr int PackedDay(u16 date) { return date & 0x1F; }
constexpr int PackedMonth(u16 date) { return (date >> 5) & 0x0F; }
constexpr int PackedYear(u16 date) { return date >> 9; }

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffMfgDate, kOffReworkDate));
}  // namespace mfgdata
