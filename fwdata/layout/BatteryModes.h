// The battery modes (kDcmdBbuGetModes, as long as asked): a u32 count, then 8-byte entries.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbumodes {
constexpr u32 kHeadSize = 12;            // the first request's length
constexpr u32 kOffCount = 0;             // u32
constexpr u32 kOffEntries = 4;
constexpr u32 kEntrySize = 8;
constexpr u32 kEntryOffModeId = 0;
constexpr u32 kEntryOffRetention = 1;    // hours
constexpr u32 kEntryOffServiceLife = 2;  // years
constexpr u32 kEntryOffTemperature = 3;  // degrees Celsius
constexpr u32 kEntryOffFlags = 4;        // bit 0 transparent learn
constexpr unsigned kEntryTransparentLearn = 0;
constexpr u32 kMaxEntries = 255;         // read at most
}  // namespace bbumodes
