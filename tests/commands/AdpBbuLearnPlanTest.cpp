// The next learn cycle's distance from the controller's clock: the weekday wraps round the week,
// an hour still to come today is taken today, one already begun moves to next week, and the
// hour that has only just begun is refused.
#include <gtest/gtest.h>

#include <ctime>

#include "CpMgmt/CmdPro/AdBbuCp.h"

namespace {

constexpr long kLearnPlanHour = 3600;
constexpr long kLearnPlanDay = 24 * kLearnPlanHour;

// A clock reading on weekday `wday` (0 Sunday) at hh:mm:ss.
std::tm LearnPlanClock(int wday, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_wday = wday;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

long LearnPlanSecondsTo(const std::tm& now, int weekday, long hour)
{
    long seconds = -1;
    EXPECT_TRUE(AdpBbuCp::SecondsToNextLearn(now, weekday, hour, &seconds));
    return seconds;
}

TEST(AdpBbuLearnPlanTest, LaterTodayLaterThisWeekAndRoundTheWeekEnd)
{
    const std::tm friday0930 = LearnPlanClock(5, 9, 30, 0);
    EXPECT_EQ(LearnPlanSecondsTo(friday0930, 5, 12), 2 * kLearnPlanHour + 30 * 60);
    EXPECT_EQ(LearnPlanSecondsTo(friday0930, 6, 9), kLearnPlanDay - 30 * 60);
    // Sunday comes after Saturday: two days on, an hour earlier in the day.
    EXPECT_EQ(LearnPlanSecondsTo(friday0930, 0, 8), 2 * kLearnPlanDay - kLearnPlanHour - 30 * 60);
    EXPECT_EQ(LearnPlanSecondsTo(friday0930, 4, 9), 6 * kLearnPlanDay - 30 * 60);
}

TEST(AdpBbuLearnPlanTest, AnHourAlreadyBegunTodayIsTakenNextWeek)
{
    EXPECT_EQ(LearnPlanSecondsTo(LearnPlanClock(5, 9, 30, 15), 5, 9), 7 * kLearnPlanDay - 30 * 60 - 15);
    EXPECT_EQ(LearnPlanSecondsTo(LearnPlanClock(5, 10, 0, 0), 5, 9), 7 * kLearnPlanDay - kLearnPlanHour);
}

TEST(AdpBbuLearnPlanTest, TheHourThatHasOnlyJustBegunIsRefused)
{
    long seconds = 77;
    EXPECT_FALSE(AdpBbuCp::SecondsToNextLearn(LearnPlanClock(2, 14, 0, 59), 2, 14, &seconds));
    EXPECT_EQ(seconds, 77);
}

}  // namespace
