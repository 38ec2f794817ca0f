// The drive progress block (32 bytes, kDcmdPdGetProgress): which operations run and are
// suspended (a bit per operation), and how far each has come. Progress 0..65535 stands for
// 0..100 %.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/ProgressField.h"

namespace pdprogress {
constexpr u32 kSize = 32;
// The starts of two bit maps, a bit per operation (kOp...): running and suspended.
constexpr u32 kOffRunning = 0;
constexpr u32 kOffSuspended = 16;
constexpr unsigned kOpRebuild = 0;
constexpr unsigned kOpPatrolRead = 1;
constexpr unsigned kOpClear = 2;
constexpr unsigned kOpCopyBack = 3;
constexpr unsigned kOpSecureErase = 4;
// Progress and elapsed seconds (u16 each) of a rebuild or copyback, and of a clear.
constexpr Field<u16> kOffProgress{4};
constexpr Field<u16> kOffSeconds{6};
constexpr Field<u16> kOffClearProgress{12};
constexpr Field<u16> kOffClearSeconds{14};
// A secure erase reports in the clear's bytes (a drive runs one or the other).
constexpr Field<u16> kOffEraseProgress{12};
constexpr Field<u16> kOffEraseSeconds{14};
constexpr unsigned kProgressFull = progressfield::kFull;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffProgress, kOffSeconds, kOffClearProgress, kOffClearSeconds, kOffEraseProgress,
                     kOffEraseSeconds));
}  // namespace pdprogress
