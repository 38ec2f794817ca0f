// The virtual-drive progress block (36 bytes, kDcmdLdGetProgress): the operations running on the
// drive, the progress and elapsed time of each, and the suspended ones. The information block
// (VdInfo.h) carries the same fields from its byte 264.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/ProgressField.h"

namespace vdprogress {
constexpr u32 kSize = 36;
constexpr Field<u32> kOffRunning{0};          // bits below
constexpr u32 kRunningCc = 0x01;
constexpr u32 kRunningBgi = 0x02;
constexpr u32 kRunningInit = 0x04;
constexpr u32 kRunningRecon = 0x08;
constexpr u32 kRunningSecureErase = 0x10;
// Per operation a u16 progress (0-65535) and the u16 elapsed seconds after it.
constexpr Field<u16> kOffCcProgress{4};
constexpr Field<u16> kOffBgiProgress{8};
constexpr Field<u16> kOffInitProgress{12};
constexpr Field<u16> kOffReconProgress{16};
constexpr Field<u16> kOffEraseProgress{4}; // a secure erase runs alone, in the check's bytes
constexpr Field<u16> kProgressOffSeconds = progressfield::kOffSeconds;
constexpr unsigned kProgressFull = progressfield::kFull;
constexpr BitField kSuspendedCc{24, 0};
constexpr BitField kSuspendedBgi{24, 1};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffRunning, kOffCcProgress, kOffBgiProgress, kOffInitProgress, kOffReconProgress,
                     kOffEraseProgress, kOffReconProgress.offset + kProgressOffSeconds, kSuspendedCc, kSuspendedBgi));
}  // namespace vdprogress
