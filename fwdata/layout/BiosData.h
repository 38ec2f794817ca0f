// The BIOS data (64 bytes, kDcmdCtrlGetBiosData / kDcmdCtrlSetBiosData). Byte 63 makes the 8-bit
// sum of all 64 bytes 0.
// Byte 9 names the agents of external key management.
#pragma once
#include "ZepUtil/ByteView.h"

namespace biosdata {
constexpr u32 kSize = 64;
constexpr Field<u16> kOffBootDevice{0};   // a virtual drive's target id or a drive's device id
constexpr u16 kBootNone = 0xFFFF;    // written to clear the boot device
constexpr u16 kBootUnset = 0x00FF;   // read as no boot device too
constexpr Field<u8> kOffDisabled{2}; // 1 the BIOS is disabled
constexpr Field<u8> kOffBypassErrors{3}; // 1 the BIOS goes on past errors, 0 it stops
constexpr Field<u8> kOffBootIsPd{8}; // 1 the boot device is a drive, 0 a virtual drive
constexpr Field<u8> kOffAutoSelectBootLd{10};
constexpr Field<u8> kOffChecksum{63};
constexpr Field<u8> kOffEkmAgents{9};
constexpr u8 kEkmClient = 0x01;
constexpr u8 kEkmBootAgent = 0x10;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffBootDevice, kOffDisabled, kOffBypassErrors, kOffBootIsPd, kOffAutoSelectBootLd,
                     kOffChecksum, kOffEkmAgents));
}  // namespace biosdata
