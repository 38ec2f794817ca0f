// The controller defaults block (72 bytes, kDcmdCtrlGetDefaults / kDcmdCtrlSetDefaults): the
// policies new virtual drives start from and controller-wide settings kept with them.
#pragma once
#include "ZepUtil/ByteView.h"

namespace ctrldefaults {
constexpr u32 kSize = 72;
constexpr u32 kOffSasAddress = 0;          // u64
constexpr u32 kOffStripCode = 10;          // u8, the strip is 2^n blocks
constexpr u32 kOffWritePolicy = 12;        // 0 write through, 1 write back, 2 adaptive
constexpr u32 kOffReadPolicy = 13;         // 0 none, 1 read ahead, 2 adaptive
constexpr u32 kOffCacheWhenBbuBad = 14;    // non-zero: write back with a bad battery
constexpr u32 kOffCachedIo = 15;           // non-zero: cached I/O
constexpr u32 kOffDirectPdMapping = 31;    // non-zero: enabled
// Power-save limits of virtual drives; 0xFF: not set.
constexpr u32 kOffPowerSaveFlags = 55;
constexpr u8 kPowerSaveFlagsNotSet = 0xFF;
constexpr u8 kPowerSaveNoPerVdLevel = 1u << 3;
constexpr u8 kPowerSaveNoMaximumOnVd = 1u << 4;
// How many bytes of default settings the controller carries; 0 stands for 64.
constexpr u32 kOffExtent = 62;
}  // namespace ctrldefaults
