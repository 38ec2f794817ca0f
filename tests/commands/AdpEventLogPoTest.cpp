// The parsed event log command's copies: with -aALL the dispatcher copies the one parsed object
// per controller, and only the first copy writes the output file afresh.
#include <gtest/gtest.h>

#include <memory>

#include "cmdtool/TokenIds.h"
#include "parsers/AdpEventLogPo.h"

namespace {

std::unique_ptr<AdpEventLogPo> AllAdapters()
{
    return std::make_unique<AdpEventLogPo>(TOKEN_ADPEVENTLOG, string("out.txt"), AdpEventLogPo::kLatest,
                                           AdpEventLogPo::kFilterFatal, 5, ArrayList<u8>(), 0,
                                           ParsedObject::kAllAdapters);
}

u8 AppendFlagOfCopy(const ParsedObject& object)
{
    std::unique_ptr<ParsedObject> copy(object.Clone());
    auto* log = dynamic_cast<AdpEventLogPo*>(copy.get());
    return log ? log->GetAppendFlag() : 0xFF;
}

TEST(AdpEventLogPoTest, TheFirstCopyOfEachCommandTruncatesAndLaterOnesAppend)
{
    // Two commands run in one process (as the tests do): each starts its file afresh.
    for (int command = 0; command < 2; ++command) {
        std::unique_ptr<AdpEventLogPo> object = AllAdapters();
        EXPECT_EQ(AppendFlagOfCopy(*object), 0) << command;
        EXPECT_EQ(AppendFlagOfCopy(*object), 1) << command;
        EXPECT_EQ(AppendFlagOfCopy(*object), 1) << command;
    }
}

TEST(AdpEventLogPoTest, ACopyKeepsEveryOtherField)
{
    ArrayList<u8> vds;
    vds.Add(3);
    AdpEventLogPo object(TOKEN_ADPEVENTLOG, string("events.log"), AdpEventLogPo::kCcInconsistencies,
                         AdpEventLogPo::kFilterWarning, 12, vds, 1, 2);
    std::unique_ptr<ParsedObject> copy(object.Clone());
    auto* log = dynamic_cast<AdpEventLogPo*>(copy.get());
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->GetCommandId(), TOKEN_ADPEVENTLOG);
    EXPECT_EQ(log->GetAdapterNumber(), 2);
    EXPECT_STREQ(log->GetFileName().GetCStr(), "events.log");
    EXPECT_EQ(log->GetSubCommand(), AdpEventLogPo::kCcInconsistencies);
    EXPECT_EQ(log->GetClassFilter(), AdpEventLogPo::kFilterWarning);
    EXPECT_EQ(log->GetLatestCount(), 12);
    ASSERT_EQ(log->GetVdList().GetCount(), 1);
    EXPECT_EQ(log->GetVdList().GetAt(0), 3);
}

}  // namespace
