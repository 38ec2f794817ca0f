// The connector modes (5 bytes, kDcmdConnectorGetModes / kDcmdConnectorSetModes): the number of
// connectors and the mode of each of the first four.
#pragma once
#include "ZepUtil/ByteView.h"

namespace connmodes {
constexpr u32 kSize = 5;
constexpr Field<u8> kOffCount{0};
constexpr Field<u8> kOffModes{1};     // u8 per connector: 1 internal, 2 external, 3 automatic, 0 fixed
constexpr u32 kMaxConnectors = kSize - kOffModes;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffCount, kOffModes));
}  // namespace connmodes
