// The battery backup unit and the firmware terminal log. The battery's readings that move with
// the clock (charge, current, temperature during a learn cycle) are derived from the state by
// BatteryReadings (BatteryRules.h); the state keeps what the pack is and where its learn cycle
// stands.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ModelBasics.h"

namespace sim {

// An operating mode the battery module offers (battery type 5 with modes).
struct BatteryMode {
    u8 id = 0;
    u8 retentionHours = 0;
    u8 serviceLifeYears = 0;
    u8 temperature = 0;  // degrees Celsius
    bool transparentLearn = false;

    bool operator==(const BatteryMode&) const = default;
};

// Auto learn modes (the properties block's byte).
constexpr u8 kAutoLearnOn = 0;
constexpr u8 kAutoLearnOff = 1;
constexpr u8 kAutoLearnWarn = 2;

struct BatteryLearn {
    u64 periodSeconds = 28 * 86400;  // between automatic learn cycles
    u64 next = 0;                    // clock seconds of the next automatic cycle, 0 none
    u8 delayHours = 0;               // an automatic cycle starts this much after `next`
    u8 autoMode = kAutoLearnOn;
    u64 seconds = 5 * 3600;             // how long a learn cycle runs
    std::optional<u64> started;         // clock seconds, while a cycle runs
    u8 startCharge = 100;               // the relative charge when the running cycle began
};

struct Battery {
    bool present = false;
    u8 type = 0;       // 1-6, the module type
    u8 qualifier = 0;  // a variant of the type
    NameSet conditions;  // named state bits, see BatteryConditionBits()
    std::string deviceName;
    // Readings at rest.
    u64 voltageMv = 0;
    std::int64_t currentMa = 0;  // mA, negative while discharging
    u64 temperature = 0;  // degrees Celsius
    u64 charge = 100;     // relative state of charge, %
    u64 chargeTimeHours = 0;  // how long the charged pack backs the cache
    // The pack.
    u64 fullCapacityMah = 0;   // for a type 6 module: joules
    u64 designCapacityMah = 0;
    u64 designVoltageMv = 0;
    u64 cycleCount = 0;
    u64 maxError = 0;  // %
    u64 capacityAlarmMah = 0;
    u64 timeAlarmMinutes = 0;
    u32 manufactured = 0;  // day bits 0-4, month bits 5-8, year bits 9-24; 0 unknown
    u64 serial = 0;
    u64 specificationInfo = 0;
    u64 packStat = 0;
    std::string manufacturer;  // [12]
    std::string chemistry;     // [5]
    std::string moduleVersion; // [8]
    std::string moduleFru;     // [8]
    u64 appData = 0;
    bool transparentLearn = false;
    bool modesSupported = false;
    u8 mode = 0;  // the battery mode in use
    std::vector<BatteryMode> modes;
    std::vector<u8> gasGauge;  // the gas gauge's data memory
    BatteryLearn learn;
    bool mfgSleep = false;  // put to manufacturing sleep
    bool sealed = false;    // manufacturing seal done
};

// Whether the battery backs the terminal log's history.
constexpr u8 kTermLogBbuOff = 0;
constexpr u8 kTermLogBbuOn = 1;
constexpr u8 kTermLogBbuOffThisBoot = 2;

// The firmware's terminal log: its text, line by line.
struct TermLog {
    std::vector<std::string> lines;
    u8 battery = kTermLogBbuOn;
};

}  // namespace sim
