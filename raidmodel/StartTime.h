// The start times of patrol read and of the consistency-check schedule: the firmware keeps a
// start time as seconds since 2000-01-01 00:00:00 of local time, counted without daylight saving.
#pragma once
#include <ctime>

#include "ZepUtil/Types.h"

// The seconds of a calendar time (its daylight-saving flag is not looked at); false when it
// cannot be converted or lies before 2000 or beyond what the 32-bit field holds.
bool StartTimeToSeconds(const std::tm& time, u32* seconds);
// The calendar time of such seconds: local time, with an hour of daylight saving taken off
// again where the time falls into it. False when the time cannot be converted.
bool SecondsToStartTime(u32 seconds, std::tm* time);
