// An array record of the configuration image (288 bytes): the blocks used on each member, the
// array reference and a row per member drive.
#pragma once
#include "ZepUtil/ByteView.h"

namespace arrayrec {
constexpr u32 kSize = 288;
constexpr Field<u64> kOffBlocks{0};
constexpr Field<u8> kOffRowCount{8};
constexpr Field<u16> kOffRef{10};
constexpr u32 kOffRows = 32;
constexpr u32 kRowSize = 8;
constexpr Field<u16> kRowOffDeviceId{0};      // kMissingDevice missing
constexpr Field<u16> kRowOffSeqNum{2};
constexpr Field<u8> kRowOffFwState{4};
constexpr u16 kMissingDevice = 0xFFFF;
constexpr u32 kMaxRows = (kSize - kOffRows) / kRowSize;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffBlocks, kOffRowCount, kOffRef));
static_assert(FitsIn(kRowSize, kRowOffDeviceId, kRowOffSeqNum, kRowOffFwState));
}  // namespace arrayrec
