// The battery and event log commands take several sub-command words on one line: the last one
// given decides, with its own values; the options on the line must be those the deciding word
// takes.
#include <gtest/gtest.h>

#include <string>

#include "parsers/AdpBbuPo.h"
#include "parsers/AdpEventLogPo.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {

class AdpSubCommandParsersTest : public ScreenTest {
protected:
    static u8 BbuSubCommand(const std::string& line)
    {
        const ParsedObjects parsed = ParseLine(line);
        const AdpBbuPo* object = FirstParsed<AdpBbuPo>(parsed);
        return object != nullptr ? object->GetSubCommand() : 0;
    }
    static u8 EventLogSubCommand(const std::string& line)
    {
        const ParsedObjects parsed = ParseLine(line);
        const AdpEventLogPo* object = FirstParsed<AdpEventLogPo>(parsed);
        return object != nullptr ? object->GetSubCommand() : 0xEE;
    }
};

TEST_F(AdpSubCommandParsersTest, TheLastBatterySubCommandDecides)
{
    EXPECT_EQ(BbuSubCommand("-AdpBbuCmd -GetBbuStatus -GetBbuDesignInfo -a0"), AdpBbuPo::kDesign);
    EXPECT_EQ(BbuSubCommand("-AdpBbuCmd -GetBbuDesignInfo -GetBbuStatus -a0"), AdpBbuPo::kStatus);
    EXPECT_EQ(BbuSubCommand("-AdpBbuCmd -GetBbuStatus -GetBbuStatus -a0"), AdpBbuPo::kStatus);
    EXPECT_EQ(BbuSubCommand("-AdpBbuCmd -BbuLearn -GetBbuProperties -a0"), AdpBbuPo::kGetProperties);
    EXPECT_EQ(BbuSubCommand("-AdpBbuCmd -a0"), AdpBbuPo::kFullReport);

    // Sub-commands with values, before and after others.
    ParsedObjects parsed = ParseLine("-AdpBbuCmd -GetGGEEPData Offset 0x10 NumBytes 4 -GetBbuStatus -a0");
    ASSERT_NE(FirstParsed<AdpBbuPo>(parsed), nullptr);
    EXPECT_EQ(FirstParsed<AdpBbuPo>(parsed)->GetSubCommand(), AdpBbuPo::kStatus);

    parsed = ParseLine("-AdpBbuCmd -GetBbuStatus -GetGGEEPData Offset 0x10 NumBytes 4 -a0");
    const AdpBbuPo* gasGauge = FirstParsed<AdpBbuPo>(parsed);
    ASSERT_NE(gasGauge, nullptr);
    EXPECT_EQ(gasGauge->GetSubCommand(), AdpBbuPo::kGasGauge);
    EXPECT_EQ(gasGauge->GetOffset(), 0x10u);
    EXPECT_EQ(gasGauge->GetNumBytes(), 4u);

    parsed = ParseLine("-AdpBbuCmd -GetGGEEPData Offset 0x10 NumBytes 4 -GetGGEEPData Offset 0x2 NumBytes 8 -a0");
    gasGauge = FirstParsed<AdpBbuPo>(parsed);
    ASSERT_NE(gasGauge, nullptr);
    EXPECT_EQ(gasGauge->GetOffset(), 0x2u);
    EXPECT_EQ(gasGauge->GetNumBytes(), 8u);

    parsed = ParseLine("-AdpBbuCmd -ScheduleLearn -Info -SetBbuProperties -f bbu.txt -a0");
    ASSERT_NE(FirstParsed<AdpBbuPo>(parsed), nullptr);
    EXPECT_EQ(FirstParsed<AdpBbuPo>(parsed)->GetSubCommand(), AdpBbuPo::kSetProperties);
    EXPECT_EQ(std::string(FirstParsed<AdpBbuPo>(parsed)->GetFileName().GetCStr()), "bbu.txt");

    parsed = ParseLine("-AdpBbuCmd -SetBbuProperties -f bbu.txt -ScheduleLearn -STARTTIME tue 5 -a0");
    const AdpBbuPo* schedule = FirstParsed<AdpBbuPo>(parsed);
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->GetSubCommand(), AdpBbuPo::kScheduleLearn);
    EXPECT_EQ(schedule->GetScheduleOption(), AdpBbuPo::kScheduleStart);
    EXPECT_EQ(schedule->GetWeekday(), 2);
    EXPECT_EQ(schedule->GetScheduleHour(), 5);

    parsed = ParseLine("-AdpBbuCmd -ScheduleLearn -STARTTIME tue 5 -ScheduleLearn -Dsbl -a0");
    ASSERT_NE(FirstParsed<AdpBbuPo>(parsed), nullptr);
    EXPECT_EQ(FirstParsed<AdpBbuPo>(parsed)->GetScheduleOption(), AdpBbuPo::kScheduleDisable);
}

TEST_F(AdpSubCommandParsersTest, ARepeatedBatterySubCommandKeepsItsValuesBesideIt)
{
    for (const char* line : {
             "-AdpBbuCmd -GetBbuStatus -f bbu.txt -a0",                       // -f belongs to -SetBbuProperties
             "-AdpBbuCmd -f bbu.txt -SetBbuProperties -a0",                   // and follows it
             "-AdpBbuCmd -SetBbuProperties -GetBbuStatus -f bbu.txt -a0",
             "-AdpBbuCmd -GetGGEEPData -GetBbuStatus Offset 0x10 NumBytes 4 -a0",
             "-AdpBbuCmd -ScheduleLearn -GetBbuStatus -Dsbl -a0",
             "-AdpBbuCmd -GetBbuStatus -Dsbl -a0",
             "-AdpBbuCmd -GetBbuStatus -a0 -GetBbuDesignInfo",
         })
        EXPECT_EQ(BbuSubCommand(line), 0) << line;
}

TEST_F(AdpSubCommandParsersTest, TheLastEventLogSubCommandDecidesWithItsOptions)
{
    EXPECT_EQ(EventLogSubCommand("-AdpEventLog -GetEvents -GetEventLogInfo -a0"), AdpEventLogPo::kLogInfo);
    EXPECT_EQ(EventLogSubCommand("-AdpEventLog -Clear -Clear -a0"), AdpEventLogPo::kClear);
    EXPECT_EQ(EventLogSubCommand("-AdpEventLog -GetCCIncon -GetSinceReboot -info -f ev.txt -a0"),
              AdpEventLogPo::kSinceReboot);
    EXPECT_EQ(EventLogSubCommand("-AdpEventLog -GetEventLogInfo -GetCCIncon -f cc.txt -L0 -a0"),
              AdpEventLogPo::kCcInconsistencies);

    ParsedObjects parsed = ParseLine("-AdpEventLog -GetLatest 5 -GetEvents -GetLatest 7 -warning -f ev.txt -a0");
    const AdpEventLogPo* latest = FirstParsed<AdpEventLogPo>(parsed);
    ASSERT_NE(latest, nullptr);
    EXPECT_EQ(latest->GetSubCommand(), AdpEventLogPo::kLatest);
    EXPECT_EQ(latest->GetLatestCount(), 7);
    EXPECT_EQ(latest->GetClassFilter(), AdpEventLogPo::kFilterWarning);

    // The options are those of the last word; earlier words stand together before it.
    for (const char* line : {
             "-AdpEventLog -GetEvents -Clear -f ev.txt -a0",
             "-AdpEventLog -GetEvents -info -Clear -a0",
             "-AdpEventLog -GetEvents -f ev.txt -GetLatest 3 -a0",
             "-AdpEventLog -GetCCIncon -L0 -GetEvents -a0",
             "-AdpEventLog -GetEvents -GetCCIncon -info -f cc.txt -L0 -a0",
             "-AdpEventLog -GetLatest -GetEvents -a0",
         })
        EXPECT_EQ(EventLogSubCommand(line), 0xEE) << line;
}

}  // namespace
