// The battery design information (64 bytes, kDcmdBbuGetDesign): what the pack is, and the
// battery module's firmware version text from kVersion to the end of the block.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbudesign {
constexpr u32 kSize = 64;
constexpr Field<u32> kOffManufactured{0};     // day bits 0-4, month bits 5-8, year bits 9-24
constexpr Field<u16> kOffDesignCapacity{4};   // mAh (joules for battery type 6)
constexpr Field<u16> kOffDesignVoltage{6};    // mV
constexpr Field<u16> kOffSpecificationInfo{8};
constexpr Field<u16> kOffSerial{10};
constexpr Field<u16> kOffPackStat{12};
constexpr TextField kManufacturer{14, 12};
constexpr TextField kDeviceName{26, 8};
constexpr TextField kChemistry{34, 5};
constexpr Field<u8> kOffModesSupported{47}; // non-zero: yes
constexpr Field<u8> kOffTransparentLearn{48}; // non-zero: yes
constexpr TextField kVersion{49, kSize - 49};
constexpr TextField kModuleVersion{49, 8};
constexpr Field<u8> kOffAppData{57};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffManufactured, kOffDesignCapacity, kOffDesignVoltage, kOffSpecificationInfo,
                     kOffSerial, kOffPackStat, kOffModesSupported, kOffTransparentLearn, kOffAppData));
}  // namespace bbudesign
