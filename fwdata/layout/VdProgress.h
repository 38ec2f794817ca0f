// The virtual-drive progress block (36 bytes, kDcmdLdGetProgress).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdprogress {
constexpr u32 kSize = 36;
}  // namespace vdprogress
