#include "Clock.h"

#include "Encoders.h"

namespace sim {
namespace {

// The civil conversions count days from 0000-03-01 of the proleptic Gregorian calendar, so that
// the leap day is the last day of its year.
constexpr std::int64_t kDaysTo2000 = 730425;  // days from 0000-03-01 to 2000-01-01

// The controller time block.
constexpr std::size_t kTimeYear = 0;  // u16
constexpr std::size_t kTimeMonth = 2;
constexpr std::size_t kTimeDay = 3;
constexpr std::size_t kTimeHour = 4;
constexpr std::size_t kTimeMinute = 5;
constexpr std::size_t kTimeSecond = 6;

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = y / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);
}

}  // namespace

unsigned DaysInMonth(unsigned year, unsigned month)
{
    constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

CivilTime ToCivil(u64 secondsSince2000)
{
    CivilTime t;
    const u64 days = secondsSince2000 / 86400;
    const u64 rest = secondsSince2000 % 86400;
    t.hour = static_cast<u32>(rest / 3600);
    t.minute = static_cast<u32>(rest % 3600 / 60);
    t.second = static_cast<u32>(rest % 60);

    const std::int64_t z = static_cast<std::int64_t>(days) + kDaysTo2000;
    const std::int64_t era = z / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    t.day = doy - (153 * mp + 2) / 5 + 1;
    t.month = mp < 10 ? mp + 3 : mp - 9;
    t.year = static_cast<u32>(static_cast<std::int64_t>(yoe) + era * 400 + (t.month <= 2));
    return t;
}

u64 FromCivil(const CivilTime& time)
{
    const std::int64_t days = DaysFromCivil(time.year, time.month, time.day) - kDaysTo2000;
    return static_cast<u64>(days) * 86400 + time.hour * 3600u + time.minute * 60u + time.second;
}

bool AdvanceForRun(SimClock& clock)
{
    if (clock.advancePerRun == 0 || clock.now >= kClockMax)
        return false;
    clock.now = clock.advancePerRun > kClockMax - clock.now ? kClockMax : clock.now + clock.advancePerRun;
    return true;
}

// The controller time block, 8 bytes.
Block EncodeControllerTime(const SimClock& clock)
{
    const CivilTime t = ToCivil(clock.now);
    Block block(kTimeBlockSize);
    block.PutU16(kTimeYear, t.year);
    block.PutU8(kTimeMonth, t.month);
    block.PutU8(kTimeDay, t.day);
    block.PutU8(kTimeHour, t.hour);
    block.PutU8(kTimeMinute, t.minute);
    block.PutU8(kTimeSecond, t.second);
    return block;
}

bool DecodeControllerTime(const ByteSpan& block, u64& now)
{
    CivilTime t;
    t.year = block.U16(kTimeYear);
    t.month = block.U8(kTimeMonth);
    t.day = block.U8(kTimeDay);
    t.hour = block.U8(kTimeHour);
    t.minute = block.U8(kTimeMinute);
    t.second = block.U8(kTimeSecond);
    if (block.Size() < kTimeBlockSize || t.year < 2000 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59 || FromCivil(t) > kClockMax)
        return false;
    now = FromCivil(t);
    return true;
}

SimClock ClockAt(u64 time)
{
    SimClock clock;
    clock.now = time;
    return clock;
}

}  // namespace sim
