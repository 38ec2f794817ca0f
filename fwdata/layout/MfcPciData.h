// The controller's PCI identity as it was manufactured (8 bytes, kDcmdCtrlGetMfcPciData).
#pragma once
#include "ZepUtil/ByteView.h"

namespace mfcpci {
constexpr u32 kSize = 8;
constexpr u32 kOffSubVendorId = 0;  // u16
constexpr u32 kOffSubDeviceId = 2;  // u16
constexpr u32 kOffVendorId = 4;     // u16
constexpr u32 kOffDeviceId = 6;     // u16
}  // namespace mfcpci
