#include <gtest/gtest.h>

#include <string>

#include "cmdtool/GlobalOptions.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "runtime/CtError.h"
#include "runtime/CtPrint.h"
#include "runtime/FileLogger.h"
#include "runtime/QuendalLog.h"

namespace {

class GlobalOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override { ResetAll(); }

    static void ResetAll()
    {
        CtPrint::Instance().Reset();
        CtError::Reset();
        QuendalLog::Disable();
    }

    // "c" for a consumed token, "-" for one left to the parser.
    static std::string ConsumedMarks(ArrayList<Token*>& tokens)
    {
        std::string marks;
        for (unsigned i = 0; i < tokens.GetCount(); ++i)
            marks += tokens.GetAt(static_cast<u8>(i))->IsConsumed() ? 'c' : '-';
        return marks;
    }

    Tokenizer tokenizer_;
};

TEST_F(GlobalOptionsTest, AppliesEveryOptionAndConsumesIt)
{
    ASSERT_EQ(tokenizer_.Scan("-PDList -a0 -page 30 -Silent -NoLog -NewFile -AppLogFile out.log "
                              "-LogFile err.log -SetDbgLevel 2 "),
              0);
    ArrayList<Token*>& tokens = tokenizer_.GetTokens();
    EXPECT_EQ(ApplyGlobalOptions(tokens), 0);

    const CtPrint& printer = CtPrint::Instance();
    EXPECT_TRUE(printer.IsPaging());
    EXPECT_EQ(printer.PageLines(), 30);
    EXPECT_TRUE(printer.IsSilent());
    EXPECT_TRUE(printer.IsNoLog());
    EXPECT_EQ(printer.OutputLogName(), "out.log");
    EXPECT_EQ(CtError::ErrorLog().Path(), "err.log");
    EXPECT_TRUE(QuendalLog::IsEnabled());
    EXPECT_EQ(QuendalLog::Threshold(), 2);
    EXPECT_EQ(ConsumedMarks(tokens), "---ccccccccccc");
}

TEST_F(GlobalOptionsTest, PageWithoutNumberUsesTheDefaultPage)
{
    ASSERT_EQ(tokenizer_.Scan("-PDList -a0 -page "), 0);
    EXPECT_EQ(ApplyGlobalOptions(tokenizer_.GetTokens()), 0);
    EXPECT_TRUE(CtPrint::Instance().IsPaging());
    EXPECT_EQ(CtPrint::Instance().PageLines(), 24);
    EXPECT_EQ(ConsumedMarks(tokenizer_.GetTokens()), "---c");
}

TEST_F(GlobalOptionsTest, HelpLineKeepsItsCommandTokens)
{
    ASSERT_EQ(tokenizer_.Scan("-h -page 20 "), 0);
    EXPECT_EQ(ApplyGlobalOptions(tokenizer_.GetTokens()), 0);
    EXPECT_EQ(CtPrint::Instance().PageLines(), 20);
    EXPECT_EQ(ConsumedMarks(tokenizer_.GetTokens()), "-cc");
}

TEST_F(GlobalOptionsTest, LineWithoutOptionsChangesNothing)
{
    ASSERT_EQ(tokenizer_.Scan("-CfgSave -f -Silent -a0 "), 0);  // "-Silent" is the file name here
    EXPECT_EQ(ApplyGlobalOptions(tokenizer_.GetTokens()), 0);
    EXPECT_FALSE(CtPrint::Instance().IsSilent());
    EXPECT_FALSE(CtPrint::Instance().IsPaging());
    EXPECT_FALSE(QuendalLog::IsEnabled());
    EXPECT_EQ(ConsumedMarks(tokenizer_.GetTokens()), "-----");
}

TEST_F(GlobalOptionsTest, OptionWithoutItsValueFails)
{
    struct Case {
        std::initializer_list<u16> ids;
    };
    for (const Case& c : {Case{{TOKEN_PDLIST, TOKEN_SETDBGLEVEL}}, Case{{TOKEN_PDLIST, TOKEN_SETDBGLEVEL, TOKEN_SILENT}},
                          Case{{TOKEN_PDLIST, TOKEN_LOGFILE, TOKEN_NUMBER}}, Case{{TOKEN_PDLIST, TOKEN_APPLOGFILE}}}) {
        ArrayList<Token*> tokens;
        for (u16 id : c.ids)
            tokens.Add(new Token(id, id == TOKEN_NUMBER ? new TokenValueInt(3) : nullptr));
        EXPECT_EQ(ApplyGlobalOptions(tokens), -1);
        DeleteElements(tokens);
    }
    EXPECT_EQ(CtError::ErrorLog().Path(), "./CmdTool.log");
    EXPECT_EQ(CtPrint::Instance().OutputLogName(), "Dravlix.log");
}

}  // namespace
