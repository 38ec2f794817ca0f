// The battery status (64 bytes, kDcmdBbuGetStatus): the battery's type and its state bits.
#pragma once
#include "ZepUtil/ByteView.h"

namespace bbustatus {
constexpr u32 kSize = 64;
constexpr u32 kOffType = 0;              // 0 no battery, 1 to 6 the battery module types
constexpr u32 kOffQualifier = 1;         // a variant of the type
constexpr u32 kOffState = 8;             // u32, a bit per condition, 0 to 12 named
constexpr unsigned kNamedStateBits = 13;

constexpr u8 kTypeNone = 0;
constexpr u8 kTypeNoLearnCycle = 2;      // a battery whose learn cycles never hold back write back
// State bits that decide whether write back may take effect now.
constexpr u32 kVoltageLow = 1u << 1;
constexpr u32 kDischargeActive = 1u << 4;
constexpr u32 kLearnCycleRequested = 1u << 5;
constexpr u32 kLearnCycleActive = 1u << 6;
constexpr u32 kReplacePack = 1u << 10;
constexpr u32 kCapacityLow = 1u << 11;
constexpr u32 kPeriodicLearnRequired = 1u << 12;
}  // namespace bbustatus
