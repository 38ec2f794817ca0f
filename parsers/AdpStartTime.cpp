#include "parsers/AdpStartTime.h"

bool ParseStartTime(int date, int hour, std::tm* out)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date < 0 || hour < 0 || hour > 23)
        return false;
    const int year = date / 10000;
    const int month = date % 10000 / 100;
    const int day = date % 100;
    if (year <= 1999 || month < 1 || month > 12 || day < 1)
        return false;
    const bool february = month == 2;
    if (!february && day > kDays[month - 1])
        return false;
    if (february && (day > 29 || (day == 29 && year % 4 != 0)))
        return false;
    *out = std::tm{};
    out->tm_mday = day;
    out->tm_mon = month - 1;
    out->tm_year = year - 1900;
    out->tm_hour = hour;
    return true;
}
