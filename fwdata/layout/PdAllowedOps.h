// The drive's allowed operations (4 bytes, kDcmdPdGetAllowedOps), read as one u32 word.
#pragma once
#include "ZepUtil/ByteView.h"

namespace pdallowed {
constexpr u32 kSize = 4;
constexpr Field<u32> kOffWord{0};
constexpr u32 kFwDownload = 1u << 16;  // bit of the word
constexpr u32 kStopSecureErase = 1u << 25;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffWord));
}  // namespace pdallowed
