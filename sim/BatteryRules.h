// The battery backup unit's firmware rules: readings that follow the clock through a learn
// cycle, learn cycles started on request or by the schedule, and their completion.
#pragma once
#include "Model.h"

namespace sim {

constexpr u64 kNoMinutes = 0xFFFF;  // "not charging" / "not discharging"

// What the battery reports at `now`.
struct BatteryReadings {
    u64 charge = 0;  // relative state of charge, %
    std::int64_t currentMa = 0;
    u64 temperature = 0;
    u64 voltageMv = 0;
    u64 remainingMah = 0;
    u64 minutesToEmpty = kNoMinutes;
    u64 minutesToFull = kNoMinutes;
    NameSet conditions;  // the state's conditions with those of a running learn cycle
};

BatteryReadings ReadingsAt(const Battery& battery, u64 now);

// A battery the controller can work with: fitted and its pack in place.
bool BatteryUsable(const Battery& battery);

// Starts a learn cycle now. Returns the firmware status: no battery 34, one running already 36.
u32 StartLearnCycle(Controller& controller, const SimClock& clock);

// At the start of a run: completes the learn cycle whose end the clock has passed, and starts (or,
// in warn mode, announces) the automatic cycles that fell due, each at its own time. True when
// the state changed.
bool CompleteBatteryWork(Controller& controller, u64 now);

}  // namespace sim
