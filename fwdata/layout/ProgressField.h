// A progress field, as the drive and virtual-drive progress blocks and the drive and
// virtual-drive records carry one per operation: a u16 share of the whole (kFull is all of it),
// then the u16 seconds the operation has run.
#pragma once
#include "ZepUtil/ByteView.h"

namespace progressfield {
constexpr u32 kSize = 4;
constexpr Field<u16> kOffSeconds{2};  // from the field's start
constexpr unsigned kFull = 65535;

static_assert(FitsIn(kSize, kOffSeconds));
}  // namespace progressfield
