// The virtual-drive information block (384 bytes, kDcmdLdGetInfo): the drive's record (its
// first vdrec::kSize bytes, VdRecord.h) followed by its sizes and the operations that run on it.
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdinfo {
constexpr u32 kSize = 384;
constexpr u32 kOffSizeBlocks = 256;      // u64
constexpr u32 kOffRunning = 264;         // u32, bits below
constexpr u32 kRunningCc = 0x01;
constexpr u32 kRunningBgi = 0x02;
constexpr u32 kRunningInit = 0x04;
constexpr u32 kRunningRecon = 0x08;
// Per operation a u16 progress (0-65535) and the u16 elapsed seconds after it.
constexpr u32 kOffCcProgress = 268;
constexpr u32 kOffBgiProgress = 272;
constexpr u32 kOffInitProgress = 276;
constexpr u32 kOffReconProgress = 280;
constexpr u32 kProgressOffSeconds = 2;   // from a progress field
constexpr unsigned kProgressFull = 65535;
}  // namespace vdinfo
