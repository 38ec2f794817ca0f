// The controller's PCI identity as it was manufactured (8 bytes, kDcmdCtrlGetMfcPciData).
#pragma once
#include "ZepUtil/ByteView.h"

namespace mfcpci {
constexpr u32 kSize = 8;
constexpr Field<u16> kOffSubVendorId{0};
constexpr Field<u16> kOffSubDeviceId{2};
constexpr Field<u16> kOffVendorId{4};
constexpr Field<u16> kOffDeviceId{6};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffSubVendorId, kOffSubDeviceId, kOffVendorId, kOffDeviceId));
}  // namespace mfcpci
