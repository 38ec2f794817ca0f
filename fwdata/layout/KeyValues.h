// The controller's key=value block (1024 bytes, kDcmdCtrlGetKeyValues): NUL-terminated
// "key=value" strings from kOffFirstString on, ended by an empty string.
#pragma once
#include "ZepUtil/ByteView.h"

namespace keyvalues {
constexpr u32 kSize = 1024;
constexpr u32 kOffFirstString = 4;
}  // namespace keyvalues
