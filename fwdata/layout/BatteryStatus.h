// The battery status (64 bytes, kDcmdBbuGetStatus): the battery's type, readings and state bits,
// and a detail area whose layout depends on the battery type.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbustatus {
constexpr u32 kSize = 64;
constexpr u32 kOffType = 0;              // 0 no battery, 1 to 6 the battery module types
constexpr u32 kOffQualifier = 1;         // a variant of the type
constexpr u32 kOffVoltage = 2;           // u16, mV
constexpr u32 kOffCurrent = 4;           // i16, mA
constexpr u32 kOffTemperature = 6;       // u16, degrees Celsius
constexpr u32 kOffState = 8;             // u32, a bit per condition
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
constexpr u32 kOffChargeTime = 46;       // u8, hours

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
constexpr u32 kOffGasGauge = 32;         // u16, gas gauge status bits
constexpr u32 kOffRelativeCharge = 34;   // u16, %
// Types 1, 3, 4 and 5.
constexpr u32 kOffChargerState = 36;     // u16
constexpr u32 kOffChargerControl = 38;   // u16
constexpr u32 kOffChargingCurrent = 40;  // u16, mA
constexpr u32 kOffAbsoluteCharge = 42;   // u16, %
constexpr u32 kOffMaxError = 44;         // u16, %
// Type 2.
constexpr u32 kOffChargerStatus = 36;    // u16: 0 off, 1 complete, 2 in progress
constexpr u32 kOffRemaining = 38;        // u16, mAh
constexpr u32 kOffFullCapacity = 40;     // u16, mAh
constexpr u32 kOffHealthGood = 42;       // u8, non-zero: good
// Type 6.
constexpr u32 kOffEnergyLow = 32;        // pack energy in joules, low byte
constexpr u32 kOffCapacitance = 33;
constexpr u32 kOffReserveSpace = 34;
constexpr u32 kOffEnergyHigh = 35;

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
}  // namespace bbustatus
