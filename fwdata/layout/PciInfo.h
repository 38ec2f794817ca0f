// The kernel driver's PCI information (112 bytes, kDriverGetPciInfo).
#pragma once
#include "ZepUtil/ByteView.h"

namespace pciinfo {
constexpr u32 kSize = 112;
constexpr u32 kOffBus = 0;               // u32
constexpr u32 kOffDevice = 4;            // u8
constexpr u32 kOffFunction = 5;          // u8
}  // namespace pciinfo
