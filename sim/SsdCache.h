// The SSD cache (FlashTier): the SSD-cache virtual drives together serve one list of virtual
// drives, the associations. The list is read (0x03100200) and replaced whole (0x03100100); a
// virtual drive that goes leaves it, and it empties with the last SSD-cache virtual drive.
// While an SSD-cache virtual drive is offline, the virtual drives it serves are blocked.
#pragma once
#include "Model.h"

namespace sim {

constexpr u32 kAssociationEntrySize = 12;  // a list of n target ids is 12 x n bytes (12 when empty)

bool HasSsdCache(const Controller& controller);
// The SSD cache serves the virtual drive.
bool IsCacheServed(const Controller& controller, u8 targetId);
// The virtual drive is served by an SSD cache of which a virtual drive is offline.
bool IsBlockedByCache(const Controller& controller, u8 targetId);

// The association list block: u32 length @0, u32 entries @4, the target ids from byte 11.
Block EncodeAssociations(const Controller& controller);
// Replaces the list with the one the block holds. 0, or the status that refuses it with the
// controller unchanged: 1 without manual association, 3 for a block that does not hold its
// list or names a virtual drive twice or an SSD cache, 12 for a target id without virtual
// drive or a controller without SSD cache.
u32 ReplaceAssociations(Controller& controller, u64 now, const ByteSpan& block);
// Takes a virtual drive that went out of the list, and empties the list when no SSD cache is
// left; each virtual drive that leaves it is logged.
void DropAssociations(Controller& controller, u64 now);

}  // namespace sim
