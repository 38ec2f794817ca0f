// The battery status (64 bytes, kDcmdBbuGetStatus): the battery's type, readings and state bits,
// and a detail area whose layout depends on the battery type.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbustatus {
constexpr u32 kSize = 64;
constexpr Field<u8> kOffType{0};         // 0 no battery, 1 to 6 the battery module types
constexpr Field<u8> kOffQualifier{1};    // a variant of the type
constexpr Field<u16> kOffVoltage{2};          // mV
constexpr Field<u16> kOffCurrent{4};     // i16, mA
constexpr Field<u16> kOffTemperature{6};      // degrees Celsius
constexpr Field<u32> kOffState{8};            // a bit per condition
constexpr unsigned kNamedStateBits = 13;

constexpr u8 kTypeNone = 0;
constexpr u8 kTypeNoLearnCycle = 2;      // a battery whose learn cycles never hold back write back
constexpr u8 kTypeKorv = 6;
// State bits that decide whether write back may take effect now.
constexpr u32 kVoltageLow = 1u << 1;
constexpr u32 kDischargeActive = 1u << 4;
constexpr u32 kLearnCycleRequested = 1u << 5;
constexpr u32 kLearnCycleActive = 1u << 6;
constexpr u32 kReplacePack = 1u << 10;
constexpr u32 kCapacityLow = 1u << 11;
constexpr u32 kPeriodicLearnRequired = 1u << 12;
constexpr Field<u8> kOffChargeTime{46};      // hours

// State bits by number (u32 at kOffState).
constexpr unsigned kBitPackMissing = 0;
constexpr unsigned kBitVoltageLow = 1;
constexpr unsigned kBitTemperatureHigh = 2;
constexpr unsigned kBitCharging = 3;
constexpr unsigned kBitDischarging = 4;
constexpr unsigned kBitLearnRequested = 5;
constexpr unsigned kBitLearnActive = 6;
constexpr unsigned kBitLearnFailed = 7;
constexpr unsigned kBitLearnTimeout = 8;
constexpr unsigned kBitI2cErrors = 9;
constexpr unsigned kBitReplacePack = 10;
constexpr unsigned kBitCapacityLow = 11;
constexpr unsigned kBitPeriodicLearn = 12;
constexpr unsigned kBitTransparentLearn = 13;
constexpr unsigned kBitNoOffloadSpace = 14;
constexpr unsigned kBitAboutToFail = 15;
constexpr unsigned kBitOffloadRequired = 16;
constexpr unsigned kBitMicrocodeUpdate = 17;

// The detail area of battery types 1 to 5.
constexpr Field<u16> kOffGasGauge{32};        // gas gauge status bits
constexpr Field<u16> kOffRelativeCharge{34};  // %
// Types 1, 3, 4 and 5.
constexpr Field<u16> kOffChargerState{36};
constexpr Field<u16> kOffChargerControl{38};
constexpr Field<u16> kOffChargingCurrent{40}; // mA
constexpr Field<u16> kOffAbsoluteCharge{42};  // %
constexpr Field<u16> kOffMaxError{44};        // %
// Type 2.
constexpr Field<u16> kOffChargerStatus{36};   // 0 off, 1 complete, 2 in progress
constexpr Field<u16> kOffRemaining{38};       // mAh
constexpr Field<u16> kOffFullCapacity{40};    // mAh
constexpr Field<u8> kOffHealthGood{42};      // non-zero: good
// Type 6.
constexpr Field<u8> kOffEnergyLow{32};   // pack energy in joules, low byte
constexpr Field<u8> kOffCapacitance{33};
constexpr Field<u8> kOffReserveSpace{34};
constexpr Field<u8> kOffEnergyHigh{35};

// Gas gauge status bits (u16 at kOffGasGauge).
constexpr unsigned kGgFullyDischarged = 4;
constexpr unsigned kGgFullyCharged = 5;
constexpr unsigned kGgDischarging = 6;
constexpr unsigned kGgInitialized = 7;
constexpr unsigned kGgTimeAlarm = 8;
constexpr unsigned kGgCapacityAlarm = 9;
constexpr unsigned kGgDischargeTerminated = 11;
constexpr unsigned kGgOverTemperature = 12;
constexpr unsigned kGgChargeTerminated = 14;
constexpr unsigned kGgOverCharged = 15;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffType, kOffQualifier, kOffVoltage, kOffCurrent, kOffTemperature, kOffState,
                     kOffChargeTime, kOffGasGauge, kOffRelativeCharge, kOffChargerState, kOffChargerControl,
                     kOffChargingCurrent, kOffAbsoluteCharge, kOffMaxError, kOffChargerStatus, kOffRemaining,
                     kOffFullCapacity, kOffHealthGood, kOffEnergyLow, kOffCapacitance, kOffReserveSpace,
                     kOffEnergyHigh));
}  // namespace bbustatus
