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
constexpr u32 kDcmdCtrlGetProperties = 0x01020100;
constexpr u32 kDcmdPdGetInfo = 0x02020000;
constexpr u32 kDcmdPdGetProgress = 0x02060000;
constexpr u32 kDcmdPdGetAllowedOps = 0x020A0000;
constexpr u32 kDcmdLdGetList = 0x03010000;
constexpr u32 kDcmdLdGetInfo = 0x03020000;
constexpr u32 kDcmdLdGetProperties = 0x03030000;
constexpr u32 kDcmdLdGetProgress = 0x03080000;
constexpr u32 kDcmdLdGetAllowedOps = 0x030B0000;
constexpr u32 kDcmdCfgRead = 0x04010000;
constexpr u32 kDcmdPhyGetList = 0x07010000;
constexpr u32 kDcmdConnectorGetList = 0x07030000;
constexpr u32 kDcmdDpmGetState = 0x0A010000;
constexpr u32 kDcmdPdSpinUpList = 0x020D0200;
constexpr u32 kDcmdLdDelete = 0x03090000;
constexpr u32 kDcmdCfgAdd = 0x04020000;
constexpr u32 kDcmdCfgClear = 0x04030000;
constexpr u32 kDriverVdChange = 0xF0010300;
