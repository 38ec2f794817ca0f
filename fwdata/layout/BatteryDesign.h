// The battery design information (64 bytes, kDcmdBbuGetDesign): the battery's device name, and
// the battery module's firmware version text from kVersion to the end of the block.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbudesign {
constexpr u32 kSize = 64;
constexpr TextField kDeviceName{26, 8};
constexpr TextField kVersion{49, kSize - 49};
}  // namespace bbudesign
