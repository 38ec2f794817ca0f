// Firmware command opcodes by name.
#pragma once
#include "ZepUtil/Types.h"

constexpr u32 kDcmdCtrlGetInfo = 0x01010000;
constexpr u32 kDcmdCtrlGetTime = 0x01080101;
constexpr u32 kDcmdCtrlGetKeyValues = 0x010B0100;
constexpr u32 kDcmdCtrlGetDefaults = 0x010E0201;
constexpr u32 kDcmdCtrlSetDefaults = 0x010E0202;
constexpr u32 kDcmdCtrlGetMfgData = 0x010E0301;
constexpr u32 kDcmdCtrlGetBatteryFru = 0x010E0302;
constexpr u32 kDcmdCtrlGetOemData = 0x010E8481;
constexpr u32 kDcmdPdGetList = 0x02010000;
constexpr u32 kDcmdEnclGetList = 0x09010000;
constexpr u32 kDriverGetPciInfo = 0xF0010200;
