// The spin-up list (kDcmdPdSpinUp, to and from the controller): u32 total length, u32 count,
// two reserved bytes, then a u16 device id per drive. In the reply the count word is the
// number of drives spun up so far.
#pragma once
#include "ZepUtil/ByteView.h"

namespace spinup {
constexpr Field<u32> kOffLength{0};
constexpr Field<u32> kOffCount{4};
constexpr Field<u16> kOffIds{10};
constexpr u32 kIdSize = 2;

constexpr u32 ListSize(u32 count) { return kOffIds + kIdSize * count; }
}  // namespace spinup
