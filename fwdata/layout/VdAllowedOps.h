// The virtual drive's allowed operations (4 bytes, kDcmdLdGetAllowedOps).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdallowed {
constexpr u32 kSize = 4;
constexpr BitField kStartCc{0, 2};
constexpr BitField kExpansion{0, 4};
constexpr BitField kMakeSecure{0, 6};
constexpr BitField kMirror{2, 0};
constexpr BitField kSuspendCcBgi{2, 1};
constexpr BitField kResumeCcBgi{2, 2};
constexpr BitField kSuspendRecon{2, 3};
constexpr BitField kResumeRecon{2, 4};
constexpr BitField kStartSecureErase{2, 5};
constexpr BitField kStopSecureErase{2, 6};
}  // namespace vdallowed
