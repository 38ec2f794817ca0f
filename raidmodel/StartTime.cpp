#include "raidmodel/StartTime.h"

#include <cstdlib>

namespace {

// 2000-01-01 00:00:00 local time, taken with the given daylight-saving flag.
std::time_t Base(int isDst)
{
    std::tm base{};
    base.tm_mday = 1;
    base.tm_year = 100;
    base.tm_isdst = isDst;
    return std::mktime(&base);
}

}  // namespace

bool StartTimeToSeconds(const std::tm& time, u32* seconds)
{
    std::tm copy = time;
    copy.tm_isdst = 0;
    const std::time_t when = std::mktime(&copy);
    const std::time_t base = Base(0);
    if (when == static_cast<std::time_t>(-1) || base == static_cast<std::time_t>(-1) || when < base ||
        static_cast<long long>(when) - static_cast<long long>(base) > 0xFFFFFFFFLL)
        return false;
    *seconds = static_cast<u32>(when - base);
    return true;
}

bool SecondsToStartTime(u32 seconds, std::tm* time)
{
    const std::time_t base = Base(0);
    if (base == static_cast<std::time_t>(-1))
        return false;
    std::time_t when = base + static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr)
        return false;
    if (local.tm_isdst == 1) {
        const std::time_t withDst = Base(1);
        when -= static_cast<std::time_t>(std::llabs(static_cast<long long>(withDst) - static_cast<long long>(base)));
        if (localtime_r(&when, &local) == nullptr)
            return false;
    }
    *time = local;
    return true;
}
