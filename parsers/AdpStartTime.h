// The start time of the patrol read and of the consistency-check schedule, given as a date
// number "yyyymmdd" and an hour "hh".
#pragma once
#include <ctime>

// True and the record's day, month (0-11), year (since 1900) and hour set, minutes and seconds
// 0, for a date after 1999 whose day the month holds (29 February in years divisible by 4) and
// an hour of 0-23; false otherwise, the record unchanged.
bool ParseStartTime(int date, int hour, std::tm* out);
