// The battery design information (64 bytes, kDcmdBbuGetDesign): what the pack is, and the
// battery module's firmware version text from kVersion to the end of the block.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbudesign {
constexpr u32 kSize = 64;
constexpr u32 kOffManufactured = 0;      // u32: day bits 0-4, month bits 5-8, year bits 9-24
constexpr u32 kOffDesignCapacity = 4;    // u16, mAh (joules for battery type 6)
constexpr u32 kOffDesignVoltage = 6;     // u16, mV
constexpr u32 kOffSpecificationInfo = 8; // u16
constexpr u32 kOffSerial = 10;           // u16
constexpr u32 kOffPackStat = 12;         // u16
constexpr TextField kManufacturer{14, 12};
constexpr TextField kDeviceName{26, 8};
constexpr TextField kChemistry{34, 5};
constexpr u32 kOffModesSupported = 47;   // non-zero: yes
constexpr u32 kOffTransparentLearn = 48; // non-zero: yes
constexpr TextField kVersion{49, kSize - 49};
constexpr TextField kModuleVersion{49, 8};
constexpr u32 kOffAppData = 57;
}  // namespace bbudesign
