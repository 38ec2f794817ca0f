// The virtual drive's allowed operations (4 bytes, kDcmdLdGetAllowedOps).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdallowed {
constexpr u32 kSize = 4;
constexpr BitField kStartCc{0, 2};
constexpr BitField kExpansion{0, 4};
constexpr BitField kMirror{2, 0};
}  // namespace vdallowed
