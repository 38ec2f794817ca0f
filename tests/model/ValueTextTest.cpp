// The state texts of the reports: where two reports name one firmware state differently, each
// keeps its own words; states a report does not know print its fallback. State codes are the
// firmware's numbers, written here on their own so that a wrong layout constant shows.
#include <gtest/gtest.h>

#include <string>

#include "fwdata/PdValueText.h"
#include "fwdata/VdValueText.h"

namespace {

TEST(ValueTextTest, DriveStatesInEachReportsWords)
{
    // Unconfigured good, with the power state only in the information and the log.
    EXPECT_STREQ(PdStateText(0x00, false), "Unconfigured(good), Spun Up");
    EXPECT_STREQ(PdStateText(0x00, true), "Unconfigured(good), Spun down");
    EXPECT_STREQ(PdLogStateText(0x00, true), "Unconfigured(good), Spun down");
    EXPECT_STREQ(PdSummaryStateText(0x00, false, false), "Unconfigured Good");
    // Hot spare: the summary tells global from dedicated.
    EXPECT_STREQ(PdStateText(0x02, false), "Hotspare");
    EXPECT_STREQ(PdSummaryStateText(0x02, false, true), "Global HotSpare");
    EXPECT_STREQ(PdSummaryStateText(0x02, false, false), "Dedicated HotSpare");
    // Online reads alike everywhere.
    EXPECT_STREQ(PdStateText(0x18, false), "Online");
    EXPECT_STREQ(PdLogStateText(0x18, false), "Online");
    EXPECT_STREQ(PdSummaryStateText(0x18, false, false), "Online");
    // A foreign drive is "Foreign" in the summary whatever its state.
    EXPECT_STREQ(PdSummaryStateText(0x18, true, false), "Foreign");
}

TEST(ValueTextTest, StatesAReportDoesNotKnowPrintItsFallback)
{
    // The system (JBOD) and shielded states: named by the information, unknown to the log; the
    // summary names the system state only.
    EXPECT_STREQ(PdStateText(0x40, false), "JBOD");
    EXPECT_STREQ(PdLogStateText(0x40, false), "Unknown");
    EXPECT_STREQ(PdSummaryStateText(0x40, false, false), "System");
    EXPECT_STREQ(PdStateText(0x82, false), "Unconfigured(good), Shielded");
    EXPECT_STREQ(PdLogStateText(0x82, false), "Unknown");
    EXPECT_STREQ(PdSummaryStateText(0x82, false, false), "Unknown");
    EXPECT_STREQ(PdStateText(0x03, false), "Unknown");

    // Virtual drives: an unknown state is "Unknown" in the information, optimal in the summary
    // and its number in the log.
    EXPECT_STREQ(VdStateText(1), "Partially Degraded");
    EXPECT_STREQ(VdSummaryStateText(1), "Partially Degraded");
    EXPECT_EQ(VdLogStateText(1), "PARTIALLY DEGRADED");
    EXPECT_STREQ(VdStateText(7), "Unknown");
    EXPECT_STREQ(VdSummaryStateText(7), "Optimal");
    EXPECT_EQ(VdLogStateText(0xAB), "Undefined; val = 0xAB\n");
}

}  // namespace
