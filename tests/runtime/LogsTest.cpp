// The log files: line format, rotation at 0x80000 bytes, the error log with its application
// strings and the debug log with its threshold.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "RuntimeTestDir.h"
#include "runtime/CtError.h"
#include "runtime/FileLogger.h"
#include "runtime/QuendalLog.h"
#include "runtime/System.h"

namespace {

using runtime_test::ReadFile;
using runtime_test::WriteFile;
namespace fs = std::filesystem;

// A system whose clock stands still.
class FixedClockSystem : public SystemLinux {
public:
    explicit FixedClockSystem(std::time_t now) : now_(now) {}
    std::time_t Now() override { return now_; }

private:
    std::time_t now_;
};

class LogsTest : public runtime_test::InTempDir {};

// Runs with TZ=UTC and the clock at 2024-03-05 07:08:09 UTC.
class FixedTimeLogsTest : public LogsTest {
protected:
    void SetUp() override
    {
        LogsTest::SetUp();
        const char* tz = std::getenv("TZ");
        hadTz_ = tz != nullptr;
        if (hadTz_)
            oldTz_ = tz;
        setenv("TZ", "UTC", 1);
        tzset();
        SetSystemForTest(&clock_);
    }
    void TearDown() override
    {
        SetSystemForTest(nullptr);
        if (hadTz_)
            setenv("TZ", oldTz_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        LogsTest::TearDown();
    }

    FixedClockSystem clock_{1709622489};
    bool hadTz_ = false;
    std::string oldTz_;
};

TEST_F(FixedTimeLogsTest, LineCarriesDateTimeModuleLevelLogNameSourceAndText)
{
    FileLogger log("test.log", "CmdTool");
    log.WriteLine("Command Tool", "Error", "AdpCp.cpp", 42, "first");
    log.WriteLine("Command Tool", "Info", "Main.cpp", 7, "second");
    EXPECT_EQ(ReadFile("test.log"),
              "03/05/2024 07:08:09 Command Tool (Error)(CmdTool) AdpCp.cpp 42 : first\n"
              "03/05/2024 07:08:09 Command Tool (Info)(CmdTool) Main.cpp 7 : second\n");
}

TEST_F(LogsTest, LineFormatWithTheRealClock)
{
    FileLogger log("test.log", "CtDbg");
    log.WriteLine("Command Tool", "Debug", "x.cpp", 1, "text");
    const std::regex line(R"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d Command Tool \(Debug\)\(CtDbg\) x\.cpp 1 : text\n)");
    EXPECT_TRUE(std::regex_match(ReadFile("test.log"), line)) << ReadFile("test.log");
}

TEST_F(LogsTest, FullLogIsMovedAsideBeforeTheNextLine)
{
    const std::string full(FileLogger::kRotateSize, 'Z');
    WriteFile("test.log", full);
    WriteFile("test.log.1", "an older generation\n");

    FileLogger log("test.log", "CmdTool");
    log.WriteLine("Command Tool", "Error", "f.cpp", 3, "new line");

    EXPECT_EQ(ReadFile("test.log.1"), full);
    const std::string fresh = ReadFile("test.log");
    EXPECT_EQ(fresh.find('Z'), std::string::npos);
    EXPECT_NE(fresh.find(" : new line\n"), std::string::npos);
    EXPECT_EQ(fresh.find('\n'), fresh.size() - 1);  // just the one line
}

TEST_F(LogsTest, FullLogBehindALinkIsMovedAsideBesideItsTarget)
{
    // test.log -> links/test.log -> ../logs/real.log: the second link is taken from its own folder.
    fs::create_directories("links");
    fs::create_directories("logs");
    fs::create_symlink("../logs/real.log", "links/test.log");
    fs::create_symlink("links/test.log", "test.log");
    const std::string full(FileLogger::kRotateSize, 'Z');
    WriteFile("logs/real.log", full);
    WriteFile("logs/real.log.1", "an older generation\n");

    FileLogger log("test.log", "CmdTool");
    log.WriteLine("Command Tool", "Error", "f.cpp", 3, "new line");

    EXPECT_TRUE(fs::is_symlink("test.log"));
    EXPECT_EQ(fs::read_symlink("test.log"), "links/test.log");
    EXPECT_TRUE(fs::is_symlink("links/test.log"));
    EXPECT_EQ(fs::read_symlink("links/test.log"), "../logs/real.log");
    EXPECT_TRUE(ReadFile("logs/real.log.1") == full);
    const std::string fresh = ReadFile("logs/real.log");
    EXPECT_EQ(fresh.find('Z'), std::string::npos);
    EXPECT_NE(fresh.find(" : new line\n"), std::string::npos);
    EXPECT_EQ(fresh.find('\n'), fresh.size() - 1);  // just the one line
    EXPECT_FALSE(fs::exists(fs::symlink_status("test.log.1")));
    EXPECT_FALSE(fs::exists(fs::symlink_status("links/test.log.1")));

    // The next line follows the link into the fresh file.
    log.WriteLine("Command Tool", "Error", "f.cpp", 4, "another");
    EXPECT_NE(ReadFile("logs/real.log").find(" : another\n"), std::string::npos);
}

TEST_F(LogsTest, FullLogWhoseNameNowLeadsToNoRegularFileIsNotMoved)
{
    // The log fills up, then its name comes to lead to a FIFO nobody reads or a folder: neither
    // is moved aside or replaced, nothing waits, and the lines go on to the file already open.
    const std::string almost(FileLogger::kRotateSize - 1, 'o');
    const std::vector<std::pair<std::string, std::function<void()>>> changes = {
        {"link to a FIFO",
         [] {
             ASSERT_EQ(::mkfifo("other", 0600), 0);
             fs::remove("test.log");
             fs::create_symlink("other", "test.log");
         }},
        {"link to a folder",
         [] {
             fs::create_directory("other");
             fs::remove("test.log");
             fs::create_symlink("other", "test.log");
         }},
        {"FIFO in the file's place",
         [] {
             fs::rename("real.log", "other");
             ASSERT_EQ(::mkfifo("real.log", 0600), 0);
         }},
    };
    for (const auto& [change, make] : changes) {
        SCOPED_TRACE(change);
        WriteFile("real.log", almost);
        fs::create_symlink("real.log", "test.log");
        {
            FileLogger log("test.log", "");
            log.WriteRaw("tail\n");
            log.Flush();
            make();
            const fs::file_type kind = fs::status("test.log").type();
            log.WriteRaw("next\n");
            log.Flush();
            EXPECT_EQ(fs::status("test.log").type(), kind);
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status("other.1")));
        EXPECT_FALSE(fs::exists(fs::symlink_status("real.log.1")));
        EXPECT_FALSE(fs::exists(fs::symlink_status("test.log.1")));
        // The file open when the name changed holds both texts.
        const std::string kept = ReadFile(fs::is_regular_file("real.log") ? "real.log" : "other");
        EXPECT_TRUE(kept == almost + "tail\n" + "next\n") << kept.size() << " bytes";
        for (const char* name : {"real.log", "test.log", "other"})
            fs::remove(name);
    }
}

TEST_F(LogsTest, LogJustBelowTheLimitIsAppended)
{
    const std::string almost(FileLogger::kRotateSize - 1, 'o');
    WriteFile("test.log", almost);
    FileLogger log("test.log", "CmdTool");
    log.WriteRaw("tail\n");
    log.Flush();
    EXPECT_EQ(ReadFile("test.log"), almost + "tail\n");
    EXPECT_FALSE(fs::exists("test.log.1"));
    // Now it is over the limit: the next text starts a new file.
    log.WriteRaw("next\n");
    log.Flush();
    EXPECT_EQ(ReadFile("test.log"), "next\n");
    EXPECT_EQ(ReadFile("test.log.1"), almost + "tail\n");
}

TEST_F(LogsTest, LongReportInOneRunIsSplitAtTheLimitWithNothingLostOrReordered)
{
    // Pieces still buffered when the file fills up are on disk in the moved-aside file.
    FileLogger log("test.log", "");
    std::string written;
    for (int i = 0; written.size() < FileLogger::kRotateSize + 40000; ++i) {
        const std::string piece = "line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), '.') + "\n";
        log.WriteRaw(piece.c_str());
        written += piece;
    }
    log.Flush();
    const std::string aside = ReadFile("test.log.1");
    EXPECT_GE(aside.size(), static_cast<std::size_t>(FileLogger::kRotateSize));
    EXPECT_EQ(aside + ReadFile("test.log"), written);
}

TEST_F(LogsTest, UnwritableLogIsSkipped)
{
    FileLogger log("missing-dir/test.log", "CmdTool");
    log.WriteLine("Command Tool", "Error", "f.cpp", 1, "lost quietly");
    log.WriteRaw("also lost\n");
    EXPECT_FALSE(fs::exists("missing-dir"));
}

TEST_F(LogsTest, AppMessageIsFormattedIntoTheErrorLogOnly)
{
    LogAppMessage("Cp.cpp", 12, kModuleCommandTool, kLevelError, kAppLogFwiFailed, 0x01010000u, 3u);
    const std::string log = ReadFile("CmdTool.log");
    EXPECT_NE(log.find(" Command Tool (Error)(CmdTool) Cp.cpp 12 : Fwi opcode 0x01010000 returned with error "
                       "code 0x00000003\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Screen(), "");
}

TEST_F(LogsTest, AppMessageWithoutTextWritesNothing)
{
    LogAppMessage("Cp.cpp", 1, kModuleCommandTool, kLevelError, 0x0303);  // empty slot
    LogAppMessage("Cp.cpp", 1, kModuleCommandTool, kLevelError, 0x0800);  // table 8 does not exist
    LogAppMessage("Cp.cpp", 1, kModuleCommandTool, kLevelError, 0x0320);  // entry 32 does not exist
    LogAppMessage("Cp.cpp", 1, kModuleCommandTool, kLevelError, 0x10300);  // not a 16-bit id
    EXPECT_FALSE(fs::exists("CmdTool.log"));
}

TEST_F(LogsTest, LogFileOptionRenamesTheErrorLog)
{
    CtError::SetLogFileName("mine.log");
    LogAppMessage("Main.cpp", 5, kModuleCommandTool, kLevelInfo, kAppLogAdpAllInfoStarted);
    EXPECT_FALSE(fs::exists("CmdTool.log"));
    EXPECT_NE(ReadFile("mine.log").find("(Info)(CmdTool) Main.cpp 5 : AdpAllInfo option execution started\n"),
              std::string::npos);
}

TEST_F(LogsTest, LogAndPrintReachesLogAndScreen)
{
    LogAndPrint("Cp.cpp", 9, kModuleCommandTool, kLevelWarning, "Check 100%\n");
    EXPECT_EQ(Screen(), "Check 100%\n");
    EXPECT_NE(ReadFile("CmdTool.log").find("(Warning)(CmdTool) Cp.cpp 9 : Check 100%\n"), std::string::npos);
}

TEST_F(LogsTest, DebugLogIsOffUntilEnabled)
{
    LogDebugMessage("Fw.cpp", 1, kModuleCommandTool, kLevelError, kDbgOpenFailed, "a.bin");
    EXPECT_FALSE(fs::exists("CtDbg.log"));
}

TEST_F(LogsTest, DebugLogWritesLevelsAtOrAboveTheThreshold)
{
    QuendalLog::Enable(kLevelWarning);
    LogDebugMessage("Ev.cpp", 1, kModuleCommandTool, kLevelInfo, kDbgEventOpcode, 0x01180200u, 4, 0, 9);
    LogDebugMessage("Ev.cpp", 2, kModuleCommandTool, kLevelWarning, kDbgEventOpcode, 0x01180200u, 4, 0, 9);
    LogDebugMessage("Fw.cpp", 3, kModuleCommandTool, kLevelError, kDbgOpenFailed, "a.bin");
    LogDebugMessage("Fw.cpp", 4, kModuleCommandTool, kLevelError, 0x0310);  // no text
    const std::string log = ReadFile("CtDbg.log");
    EXPECT_EQ(log.find("Ev.cpp 1 "), std::string::npos);
    EXPECT_NE(log.find("Command Tool (Warning)(CtDbg) Ev.cpp 2 : Event Opcode: 0x01180200, seqNum: 4, retCode: 0, "
                       "Event Count: 9\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("(Error)(CtDbg) Fw.cpp 3 : Fatal error - failed to open file a.bin\n"), std::string::npos);
    EXPECT_EQ(log.find("Fw.cpp 4 "), std::string::npos);
}

}  // namespace
