// Catalogue ids of the "Configuration" table (CfgMessages.cpp).
#pragma once
#include "ZepUtil/Types.h"

namespace CfgMsg {

constexpr u32 kNoDiskGroupList = 0x30024;   // "Failed to get Disk Group list\n"
constexpr u32 kDiskGroupCount = 0x35011;    // "Number of DISK GROUPS: %d\n\n"
constexpr u32 kDiskGroupTitle = 0x35012;    // "%sDISK GROUP: %d\n"
constexpr u32 kSpanTitle = 0x35018;         // "SPAN: %d\n"
constexpr u32 kVdInfoTitle = 0x35019;       // "%sVirtual Drive Information:\n"
constexpr u32 kVdTitle = 0x3501A;           // "%sVirtual Drive: %d (Target Id: %d)\n"
constexpr u32 kPdInfoTitle = 0x3501C;       // "Physical Disk Information:\n"
constexpr u32 kPdTitle = 0x3501D;           // "Physical Disk: %d\n"
constexpr u32 kAdapterSummary = 0x3501F;    // adapter, product name, memory, BBU, serial number

}  // namespace CfgMsg
