// The parsers of the adapter property, patrol-read, schedule and connector commands: the fields
// a command line leaves in its parsed objects, and copies for every adapter of -aALL that keep
// all of them.
#include <gtest/gtest.h>

#include <memory>

#include "cmdtool/TokenIds.h"
#include "parsers/AdpCCSchedParsedObject.h"
#include "parsers/AdpPrParsedObject.h"
#include "parsers/AdpPropertyPo.h"
#include "parsers/MuxModeParsedObject.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {

class AdpPropScheduleParsersTest : public ScreenTest {};

TEST_F(AdpPropScheduleParsersTest, PropertyFieldsAndTheirCopies)
{
    ParsedObjects parsed = ParseLine("-AdpSetProp AlarmEnbl -aALL");
    auto* alarm = FirstParsed<AdpPropertyPo>(parsed);
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(parsed->GetCount(), 1u);
    EXPECT_EQ(alarm->GetPropertyId(), AdpPropertyPo::kAlarm);
    EXPECT_EQ(alarm->GetValue(), 1u);

    parsed = ParseLine("-AdpSetProp Perfmode 1 MaxFlushLines 8 NumIOsToOrder 40 -a0,1");
    ASSERT_EQ(parsed ? parsed->GetCount() : 0u, 2u);
    std::unique_ptr<ParsedObject> copy(parsed->GetAt(1)->Clone());
    auto* perf = dynamic_cast<AdpPropertyPo*>(copy.get());
    ASSERT_NE(perf, nullptr);
    EXPECT_EQ(perf->GetAdapterNumber(), 1u);
    EXPECT_EQ(perf->GetValue(), 1u);
    EXPECT_EQ(perf->GetMaxFlushLines(), 8u);
    EXPECT_EQ(perf->GetSecondValue(), 40u);
    EXPECT_EQ(perf->GetMaxPdLatency(), AdpPropertyPo::kNotGiven);

    const ParsedObjects scheduleLine = ParseLine("-AdpSetProp DisableLdPS Interval 4 -a0");
    auto* schedule = FirstParsed<AdpPropertyPo>(scheduleLine);
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->GetValue(), 4u);
    EXPECT_EQ(schedule->GetSecondValue(), AdpPropertyPo::kNotGiven);
    const ParsedObjects policyLine = ParseLine("-AdpSetProp -DefaultLdPSPolicy -MaximumWithoutCaching -a0");
    auto* policy = FirstParsed<AdpPropertyPo>(policyLine);
    ASSERT_NE(policy, nullptr);
    EXPECT_EQ(policy->GetValue(), 6u);
    const ParsedObjects spaceLine = ParseLine("-AdpSetProp DefaultSnapshotSpace 300 -a0");
    auto* space = FirstParsed<AdpPropertyPo>(spaceLine);
    ASSERT_NE(space, nullptr);
    EXPECT_EQ(space->GetValue(), 300u);
}

TEST_F(AdpPropScheduleParsersTest, ScheduleObjectsOwnTheirOwnCopies)
{
    ParsedObjects parsed = ParseLine("-AdpCcSched -ModeSeq -ExcludeLD -L3,1 -SetStartTime 20120229 7 -SetDelay 5 -a0");
    auto* cc = FirstParsed<AdpCCSchedParsedObject>(parsed);
    ASSERT_NE(cc, nullptr);
    std::unique_ptr<ParsedObject> copy(cc->Clone());
    parsed.reset();
    auto* kept = dynamic_cast<AdpCCSchedParsedObject*>(copy.get());
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetOperation(), AdpCCSchedParsedObject::kSetMode);
    EXPECT_EQ(kept->GetMode(), 1u);
    EXPECT_EQ(kept->GetDelay(), 5u);
    ASSERT_NE(kept->GetExcludedLdList(), nullptr);
    EXPECT_EQ(kept->GetExcludedLdList()->GetCount(), 2u);
    EXPECT_EQ(kept->GetExcludedLdList()->GetAt(0), 3u);
    EXPECT_EQ(kept->GetStartTime()->tm_mday, 29);
    EXPECT_EQ(kept->GetStartTime()->tm_mon, 1);
    EXPECT_EQ(kept->GetStartTime()->tm_year, 112);
    EXPECT_EQ(kept->GetStartTime()->tm_hour, 7);

    const ParsedObjects delayLine = ParseLine("-AdpCcSched -SetDelay 0 -a0");
    auto* delay = FirstParsed<AdpCCSchedParsedObject>(delayLine);
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(delay->GetOperation(), AdpCCSchedParsedObject::kSetDelay);
    EXPECT_EQ(delay->GetExcludedLdList(), nullptr);

    const ParsedObjects prLine = ParseLine("-AdpPR -maxConcurrentPD 300 -a0");
    auto* pr = FirstParsed<AdpPrParsedObject>(prLine);
    ASSERT_NE(pr, nullptr);
    EXPECT_EQ(pr->GetAction(), TOKEN_MAXCONCURRENTPD);
    EXPECT_EQ(pr->GetValue(), 300u);

    const ParsedObjects connectorsLine = ParseLine("-AdpSetConnectorMode -Auto -Connector1,0 -a0");
    auto* connectors = FirstParsed<MuxModeParsedObject>(connectorsLine);
    ASSERT_NE(connectors, nullptr);
    EXPECT_EQ(connectors->GetMode(), TOKEN_AUTO);
    EXPECT_EQ(connectors->GetConnectorCount(), 2u);
    EXPECT_EQ(connectors->GetConnector(0), 1u);
    EXPECT_EQ(connectors->GetConnector(2), MuxModeParsedObject::kAllConnectors);
}

}  // namespace
