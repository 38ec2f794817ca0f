#include "BatteryRules.h"

#include <algorithm>

#include "Clock.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

constexpr u64 kLearnLowCharge = 20;  // a learn cycle discharges the pack down to this, then recharges it
constexpr u64 kLearnWarmUp = 3;      // degrees the pack warms while it is cycled
constexpr unsigned kMaxAutomaticCycles = 16;  // per run, so that a clock moved on by years stays quick

// The current that moves `percent` of the full capacity in `seconds`.
std::int64_t CurrentFor(const Battery& battery, u64 percent, u64 seconds)
{
    if (seconds == 0)
        return 0;
    return static_cast<std::int64_t>(battery.fullCapacityMah * percent * 36 / seconds);  // mAh % per s -> mA
}

u64 MinutesFor(u64 mah, std::int64_t currentMa)
{
    const u64 current = static_cast<u64>(currentMa < 0 ? -currentMa : currentMa);
    if (current == 0)
        return kNoMinutes;
    return std::min<u64>(mah * 60 / current, kNoMinutes - 1);
}

void EndLearnCycle(Controller& controller, u64 end)
{
    Battery& b = controller.battery;
    b.learn.started.reset();
    b.charge = 100;
    b.cycleCount = std::min<u64>(b.cycleCount + 1, 0xFFFF);
    b.conditions.erase("learn_cycle_requested");
    b.conditions.erase("periodic_learn_required");
    if (b.learn.autoMode == kAutoLearnOn)
        b.learn.next = std::min(end + b.learn.periodSeconds, kClockMax);
    AppendEvent(controller, ClockAt(end), kEvBbuLearnComplete, EventArgs::None());
}

void BeginLearnCycle(Controller& controller, u64 at)
{
    Battery& b = controller.battery;
    b.learn.started = at;
    b.learn.startCharge = static_cast<u8>(std::clamp<u64>(b.charge, kLearnLowCharge, 100));
    AppendEvent(controller, ClockAt(at), kEvBbuLearnStarted, EventArgs::None());
}

}  // namespace

bool BatteryUsable(const Battery& battery) { return battery.present && !battery.conditions.contains("pack_missing"); }

BatteryReadings ReadingsAt(const Battery& b, u64 now)
{
    BatteryReadings r;
    r.charge = std::min<u64>(b.charge, 100);
    r.currentMa = b.currentMa;
    r.temperature = b.temperature;
    r.voltageMv = b.voltageMv;
    r.conditions = b.conditions;
    if (b.learn.started && b.learn.seconds > 0) {
        const u64 half = std::max<u64>(b.learn.seconds / 2, 1);
        const u64 elapsed = std::min(now - std::min(now, *b.learn.started), b.learn.seconds);
        const u64 drop = b.learn.startCharge - std::min<u64>(b.learn.startCharge, kLearnLowCharge);
        r.conditions.insert("learn_cycle_active");
        if (b.transparentLearn)
            r.conditions.insert("transparent_learn");
        r.temperature = b.temperature + kLearnWarmUp;
        if (elapsed < half) {
            r.charge = b.learn.startCharge - drop * elapsed / half;
            r.currentMa = -CurrentFor(b, drop, half);
            r.conditions.insert("discharge_active");
        } else {
            r.charge = kLearnLowCharge + (100 - kLearnLowCharge) * (elapsed - half) / half;
            r.currentMa = CurrentFor(b, 100 - kLearnLowCharge, half);
            r.conditions.insert("charge_active");
        }
    }
    r.charge = std::min<u64>(r.charge, 100);
    r.remainingMah = b.fullCapacityMah * r.charge / 100;
    if (r.conditions.contains("discharge_active") && r.currentMa < 0)
        r.minutesToEmpty = MinutesFor(r.remainingMah, r.currentMa);
    if (r.conditions.contains("charge_active") && r.currentMa > 0)
        r.minutesToFull = MinutesFor(b.fullCapacityMah - r.remainingMah, r.currentMa);
    return r;
}

u32 StartLearnCycle(Controller& controller, const SimClock& clock)
{
    if (!BatteryUsable(controller.battery))
        return kFwDeviceAbsent;
    if (controller.battery.learn.started)
        return kFwInProgress;
    BeginLearnCycle(controller, clock.now);
    return kFwOk;
}

bool CompleteBatteryWork(Controller& controller, u64 now)
{
    Battery& b = controller.battery;
    bool changed = false;
    for (unsigned i = 0; i < kMaxAutomaticCycles; ++i) {
        if (b.learn.started) {
            const u64 end = *b.learn.started + b.learn.seconds;
            if (end > now)
                break;
            EndLearnCycle(controller, end);
            changed = true;
            continue;
        }
        const u64 due = b.learn.next + u64{b.learn.delayHours} * 3600;
        if (!BatteryUsable(b) || b.learn.next == 0 || b.learn.autoMode == kAutoLearnOff || due > now)
            break;
        if (b.learn.autoMode == kAutoLearnWarn) {
            b.conditions.insert("periodic_learn_required");
            b.learn.next = std::min(b.learn.next + std::max<u64>(b.learn.periodSeconds, 1), kClockMax);
            AppendEvent(controller, ClockAt(due), kEvBbuLearnPending, EventArgs::None());
        } else {
            BeginLearnCycle(controller, due);
        }
        changed = true;
    }
    return changed;
}

}  // namespace sim
