// An array record of the configuration image (288 bytes): the blocks used on each member, the
// array reference and a row per member drive.
#pragma once
#include "ZepUtil/ByteView.h"

namespace arrayrec {
constexpr u32 kSize = 288;
constexpr u32 kOffBlocks = 0;            // u64
constexpr u32 kOffRowCount = 8;          // u8
constexpr u32 kOffRef = 10;              // u16
constexpr u32 kOffRows = 32;
constexpr u32 kRowSize = 8;
constexpr u32 kRowOffDeviceId = 0;       // u16, kMissingDevice missing
constexpr u32 kRowOffSeqNum = 2;         // u16
constexpr u32 kRowOffFwState = 4;        // u8
constexpr u16 kMissingDevice = 0xFFFF;
constexpr u32 kMaxRows = (kSize - kOffRows) / kRowSize;
}  // namespace arrayrec
