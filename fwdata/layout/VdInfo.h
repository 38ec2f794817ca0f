// The virtual-drive information block (384 bytes, kDcmdLdGetInfo): the drive's record (its
// first vdrec::kSize bytes, VdRecord.h) followed by its sizes and the operations that run on it.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/VdProgress.h"

namespace vdinfo {
constexpr u32 kSize = 384;
constexpr Field<u64> kOffSizeBlocks{256};
// The running operations and their progress, laid out as in the progress block: the start of
// that copy.
constexpr u32 kOffProgressFields = 264;
constexpr Field<u32> kOffRunning{kOffProgressFields + vdprogress::kOffRunning};
constexpr u32 kRunningCc = vdprogress::kRunningCc;
constexpr u32 kRunningBgi = vdprogress::kRunningBgi;
constexpr u32 kRunningInit = vdprogress::kRunningInit;
constexpr u32 kRunningRecon = vdprogress::kRunningRecon;
constexpr Field<u16> kOffCcProgress = kOffProgressFields + vdprogress::kOffCcProgress;
constexpr Field<u16> kOffBgiProgress = kOffProgressFields + vdprogress::kOffBgiProgress;
constexpr Field<u16> kOffInitProgress = kOffProgressFields + vdprogress::kOffInitProgress;
constexpr Field<u16> kOffReconProgress = kOffProgressFields + vdprogress::kOffReconProgress;
constexpr Field<u16> kProgressOffSeconds{vdprogress::kProgressOffSeconds};
constexpr unsigned kProgressFull = vdprogress::kProgressFull;
constexpr Field<u16> kOffOwner{300};          // device id of the owner

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffSizeBlocks, kOffRunning, kOffCcProgress, kOffBgiProgress, kOffInitProgress,
                     kOffReconProgress, kOffReconProgress.offset + kProgressOffSeconds, kOffOwner));
}  // namespace vdinfo
