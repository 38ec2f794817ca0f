// The kernel driver's PCI information (112 bytes, kDriverGetPciInfo).
#pragma once
#include "ZepUtil/ByteView.h"

namespace pciinfo {
constexpr u32 kSize = 112;
constexpr Field<u32> kOffBus{0};
constexpr Field<u8> kOffDevice{4};
constexpr Field<u8> kOffFunction{5};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffBus, kOffDevice, kOffFunction));
}  // namespace pciinfo
