// The OEM data (24 bytes, kDcmdCtrlGetOemData, also sent as a private request).
#pragma once
#include "ZepUtil/ByteView.h"

namespace oemdata {
constexpr u32 kSize = 24;
constexpr u32 kOffMode = 0;
constexpr u32 kOffClusterDisable = 1;
constexpr u32 kOffSasDisable = 2;
}  // namespace oemdata
