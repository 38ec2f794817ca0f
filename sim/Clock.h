// The controller clock: seconds since 2000-01-01 00:00:00 in the controller's local time (no
// time zone, no leap seconds), as firmware keeps it in a 32-bit counter.
#pragma once
#include "Model.h"

namespace sim {

constexpr u64 kClockMax = 0xFFFFFFFF;

struct CivilTime {
    u32 year = 2000;
    u32 month = 1;  // 1-12
    u32 day = 1;    // 1-31
    u32 hour = 0;
    u32 minute = 0;
    u32 second = 0;
};

// Days of the month in the Gregorian calendar (month 1-12).
unsigned DaysInMonth(unsigned year, unsigned month);

CivilTime ToCivil(u64 secondsSince2000);
u64 FromCivil(const CivilTime& time);

// A clock reading `time`, for events logged at that time (work that ended before the run).
SimClock ClockAt(u64 time);

// The clock of a new run: `now` moves on by `advance_per_run` (and stops at kClockMax).
// True when it moved.
bool AdvanceForRun(SimClock& clock);

}  // namespace sim
