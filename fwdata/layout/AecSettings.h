// Advanced event capture: the settings block (40 bytes, kDcmdCtrlAecGetSettings), the operations
// of the control request (kDcmdCtrlAecControl, mailbox word 0, its arguments in words 1 and 2)
// and the segments of the capture buffer (kDcmdCtrlAecGetSegment, mailbox word 0 the index; word
// 1 comes back with the bytes the segment holds).
#pragma once
#include "ZepUtil/ByteView.h"

namespace aec {
constexpr u32 kSize = 40;
constexpr Field<u8> kOffEnabled{0};    // non-zero: capture enabled
constexpr Field<u8> kOffStarted{1};    // non-zero: capture running
constexpr Field<u8> kOffMode{2};       // non-zero: full, else continuous
constexpr Field<u32> kOffEventsToCapture{4};
constexpr Field<u32> kOffEventsCaptured{8};
constexpr Field<u32> kOffSegments{12};      // segments in the buffer
constexpr Field<u32> kOffHostMask{16};
constexpr Field<u32> kOffFirmwareMask{20};

// Control operations (mailbox word 0).
constexpr u32 kOpDisable = 0;
constexpr u32 kOpStop = 1;
constexpr u32 kOpStart = 2;        // word 1: the number of events
constexpr u32 kOpSetMode = 3;      // word 1: 0 continuous, 1 full
constexpr u32 kOpSetFilter = 4;    // word 1: the group, word 2: the mask (returned as applied)
constexpr u32 kOpClearFilter = 5;  // as kOpSetFilter

constexpr u32 kSegmentSize = 32768;
constexpr u32 kStatusRunning = 97;  // a segment read while capture runs

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffEnabled, kOffStarted, kOffMode, kOffEventsToCapture, kOffEventsCaptured,
                     kOffSegments, kOffHostMask, kOffFirmwareMask));
}  // namespace aec
