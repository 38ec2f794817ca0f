// Catalogue ids printed by the battery command (the "Battery" table, BbuMessages.cpp). The
// building blocks and the adapter lines are in the common table (runtime/CommonMessageIds.h).
#pragma once
#include "ZepUtil/Types.h"

namespace BbuMsg {

constexpr u32 kStatusTitle = 0x31301;
constexpr u32 kBatteryType = 0x31302;
constexpr u32 kReadings = 0x31303;
constexpr u32 kGasGauge = 0x31304;
constexpr u32 kDetail = 0x31305;
constexpr u32 kDetailType2 = 0x31306;
constexpr u32 kCapacity = 0x31307;
constexpr u32 kDesign = 0x31308;
constexpr u32 kProperties = 0x31309;
constexpr u32 kFirmwareStatus = 0x3130A;
constexpr u32 kDetailType6 = 0x37213;
constexpr u32 kDesignType6 = 0x37214;
constexpr u32 kModeRow = 0x37217;
constexpr u32 kNoRealTimeScheduling = 0x37218;

}  // namespace BbuMsg
