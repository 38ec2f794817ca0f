// The preserved-cache bitmap (8 bytes, kDcmdLdGetPreservedCache): bit n set when the virtual
// drive with target id n holds preserved cache. The discard (kDcmdLdDiscardPreservedCache)
// names the target id in mailbox byte 0 and sets byte 1.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/Mailbox.h"

namespace pinnedcache {
constexpr u32 kSize = 8;
constexpr Field<u64> kOffBitmap{0};
constexpr u32 kTargets = 64;
// The discard's mailbox.
constexpr Field<u8> kMboxOffTargetId{0};
constexpr Field<u8> kMboxOffConfirm{1};      // kConfirm
constexpr u8 kConfirm = 1;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffBitmap));
static_assert(FitsIn(mailbox::kSize, kMboxOffTargetId, kMboxOffConfirm));
}  // namespace pinnedcache
