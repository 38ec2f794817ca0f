// The preserved-cache bitmap (8 bytes, kDcmdLdGetPreservedCache): bit n set when the virtual
// drive with target id n holds preserved cache. The discard (kDcmdLdDiscardPreservedCache)
// names the target id in mailbox byte 0 and sets byte 1.
#pragma once
#include "ZepUtil/ByteView.h"

namespace pinnedcache {
constexpr u32 kSize = 8;
constexpr u32 kOffBitmap = 0;            // u64
constexpr u32 kTargets = 64;
// The discard's mailbox.
constexpr u32 kMboxOffTargetId = 0;      // u8
constexpr u32 kMboxOffConfirm = 1;       // u8, kConfirm
constexpr u8 kConfirm = 1;
}  // namespace pinnedcache
