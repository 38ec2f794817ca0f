// The console printer: screen, silence, paging and the console output log.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "RuntimeTestDir.h"
#include "runtime/CtPrint.h"

namespace {

using runtime_test::ReadFile;
using runtime_test::WriteFile;

const std::string kPrompt = "Press <ENTER> to continue....";

class CtPrintTest : public runtime_test::InTempDir {
protected:
    void TearDown() override
    {
        InTempDir::TearDown();  // puts stdin back before the input stream is closed
        if (input_ != nullptr)
            std::fclose(input_);
    }

    // Feeds the paging prompt from a stream holding `answers`.
    void FeedInput(const std::string& answers)
    {
        input_ = std::tmpfile();
        ASSERT_NE(input_, nullptr);
        std::fputs(answers.c_str(), input_);
        std::rewind(input_);
        CtPrint::Instance().SetInput(input_);
    }

    std::string RemainingInput()
    {
        std::string rest;
        for (int c = std::fgetc(input_); c != EOF; c = std::fgetc(input_))
            rest += static_cast<char>(c);
        return rest;
    }

    CtPrint& printer_ = CtPrint::Instance();
    std::FILE* input_ = nullptr;
};

TEST_F(CtPrintTest, WritesScreenAndAppendsToTheOutputLog)
{
    WriteFile("Dravlix.log", "earlier run\n");
    printer_.Print("one\n");
    printer_.Print("two");
    EXPECT_EQ(Screen(), "one\ntwo");
    EXPECT_EQ(ReadFile("Dravlix.log"), "earlier run\none\ntwo");
}

TEST_F(CtPrintTest, SilentStopsOnlyTheScreen)
{
    printer_.SetSilent(true);
    printer_.Print("quiet\n");
    EXPECT_EQ(Screen(), "");
    EXPECT_EQ(ReadFile("Dravlix.log"), "quiet\n");
}

TEST_F(CtPrintTest, NoLogStopsOnlyTheOutputLog)
{
    printer_.SetNoLog(true);
    printer_.Print("screen only\n");
    EXPECT_EQ(Screen(), "screen only\n");
    EXPECT_FALSE(std::filesystem::exists("Dravlix.log"));
}

TEST_F(CtPrintTest, OutputLogNameAppliesToTheNextText)
{
    printer_.Print("before\n");
    printer_.SetOutputLogName("other.log");
    printer_.Print("after\n");
    EXPECT_EQ(ReadFile("Dravlix.log"), "before\n");
    EXPECT_EQ(ReadFile("other.log"), "after\n");
    EXPECT_EQ(printer_.OutputLogName(), "other.log");
}

TEST_F(CtPrintTest, NewFileEmptiesTheLogOnceBeforeItsFirstWrite)
{
    WriteFile("run.log", "old content\n");
    printer_.SetOutputLogName("run.log");
    printer_.SetNewFile(true);
    printer_.Print("first\n");
    printer_.Print("second\n");
    EXPECT_EQ(ReadFile("run.log"), "first\nsecond\n");
}

TEST_F(CtPrintTest, UnwritableOutputLogStillPrintsTheScreen)
{
    printer_.SetOutputLogName("no-such-dir/out.log");
    printer_.Print("shown\n");
    EXPECT_EQ(Screen(), "shown\n");
}

TEST_F(CtPrintTest, PagingPromptsAfterEachFullPageAndWaitsForOneLine)
{
    FeedInput("yes\n\nleft over\n");
    printer_.SetPaging(true, 2);
    printer_.Print("1\n2\n3\n");
    printer_.Print("4\n5");
    EXPECT_EQ(Screen(), "1\n2\n" + kPrompt + "3\n4\n" + kPrompt + "5");
    EXPECT_EQ(RemainingInput(), "left over\n");
    // The prompt belongs to the screen only.
    EXPECT_EQ(ReadFile("Dravlix.log"), "1\n2\n3\n4\n5");
}

TEST_F(CtPrintTest, PagingPromptsOnlyWhenMoreTextFollowsAFullPage)
{
    FeedInput("\n");
    printer_.SetPaging(true, 3);
    printer_.Print("a\nb\nc\n");
    EXPECT_EQ(Screen(), "a\nb\nc\n");
    EXPECT_EQ(RemainingInput(), "\n");
}

TEST_F(CtPrintTest, PagingContinuesAtTheEndOfTheInput)
{
    FeedInput("");
    printer_.SetPaging(true, 1);
    printer_.Print("a\nb\nc\n");
    EXPECT_EQ(Screen(), "a\n" + kPrompt + "b\n" + kPrompt + "c\n");
}

TEST_F(CtPrintTest, PagingWithoutANumberUses24Lines)
{
    FeedInput("\n");
    printer_.SetPaging(true, 0);
    EXPECT_EQ(printer_.PageLines(), 24);
    std::string page;
    for (int i = 0; i < 25; ++i)
        page += std::to_string(i) + "\n";
    printer_.Print(page.c_str());
    const std::string screen = Screen();
    ASSERT_NE(screen.find(kPrompt), std::string::npos);
    EXPECT_EQ(screen.substr(screen.find(kPrompt) + kPrompt.size()), "24\n");
}

TEST_F(CtPrintTest, SilentPagingNeitherPromptsNorReads)
{
    FeedInput("answer\n");
    printer_.SetPaging(true, 1);
    printer_.SetSilent(true);
    printer_.Print("a\nb\nc\n");
    EXPECT_EQ(Screen(), "");
    EXPECT_EQ(RemainingInput(), "answer\n");
}

}  // namespace

TEST(CtPrintScreenFault, TheFirstFailedWriteIsKeptUntilTheScreenChanges)
{
    CtPrint& printer = CtPrint::Instance();
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    printer.SetScreen(full);
    printer.SetNoLog(true);
    printer.Print("a report\n");
    EXPECT_EQ(printer.ScreenFault(), 0);  // still in the buffer
    printer.Flush();
    EXPECT_EQ(printer.ScreenFault(), ENOSPC);
    printer.Print(std::string(8192, 'x').c_str());  // a write that fails on its own
    EXPECT_EQ(printer.ScreenFault(), ENOSPC);
    printer.Reset();
    EXPECT_EQ(printer.ScreenFault(), 0);
    std::fclose(full);
}
