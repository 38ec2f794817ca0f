// The battery status (64 bytes, kDcmdBbuGetStatus): the battery's type and its state bits.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbustatus {
constexpr u32 kSize = 64;
constexpr u32 kOffType = 0;              // 0 no battery, 1 to 6 the battery module types
constexpr u32 kOffQualifier = 1;         // a variant of the type
constexpr u32 kOffState = 8;             // u32, a bit per condition, 0 to 12 named
constexpr unsigned kNamedStateBits = 13;
}  // namespace bbustatus
