// The battery modes (kDcmdBbuGetModes, as long as asked): a u32 count, then 8-byte entries.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbumodes {
constexpr u32 kHeadSize = 12;            // the first request's length
constexpr Field<u32> kOffCount{0};
constexpr u32 kOffEntries = 4;
constexpr u32 kEntrySize = 8;
constexpr Field<u8> kEntryOffModeId{0};
constexpr Field<u8> kEntryOffRetention{1}; // hours
constexpr Field<u8> kEntryOffServiceLife{2}; // years
constexpr Field<u8> kEntryOffTemperature{3}; // degrees Celsius
constexpr BitField kEntryTransparentLearn{4, 0};
constexpr u32 kMaxEntries = 255;         // read at most

// Every field lies within its block or entry.
static_assert(FitsIn(kHeadSize, kOffCount));
static_assert(FitsIn(kEntrySize, kEntryOffModeId, kEntryOffRetention, kEntryOffServiceLife, kEntryOffTemperature,
                     kEntryTransparentLearn));
}  // namespace bbumodes
