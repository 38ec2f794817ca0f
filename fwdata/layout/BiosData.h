// The BIOS data (64 bytes, kDcmdCtrlGetBiosData / kDcmdCtrlSetBiosData). Byte 63 makes the 8-bit
// sum of all 64 bytes 0.
// Byte 9 names the agents of external key management.
#pragma once
#include "ZepUtil/ByteView.h"

namespace biosdata {
constexpr u32 kSize = 64;
constexpr u32 kOffBootDevice = 0;    // u16: a virtual drive's target id or a drive's device id
constexpr u16 kBootNone = 0xFFFF;    // written to clear the boot device
constexpr u16 kBootUnset = 0x00FF;   // read as no boot device too
constexpr u32 kOffDisabled = 2;      // 1 the BIOS is disabled
constexpr u32 kOffBypassErrors = 3;  // 1 the BIOS goes on past errors, 0 it stops
constexpr u32 kOffBootIsPd = 8;      // 1 the boot device is a drive, 0 a virtual drive
constexpr u32 kOffAutoSelectBootLd = 10;
constexpr u32 kOffChecksum = 63;
constexpr u32 kOffEkmAgents = 9;
constexpr u8 kEkmClient = 0x01;
constexpr u8 kEkmBootAgent = 0x10;
}  // namespace biosdata
