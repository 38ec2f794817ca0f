// The host's version texts as reports show them: the operating system's version cut before its
// first parenthesis, the driver's first line without its line end, missing files.
#include "RuntimeTestDir.h"
#include "runtime/HostFiles.h"
#include "support/HostSystemFake.h"

namespace {

using runtime_test::WriteFile;

class HostFilesTest : public runtime_test::InTempDir {
protected:
    HostSystemFake host_;
};

TEST_F(HostFilesTest, OsVersionIsCutBeforeItsFirstParenthesis)
{
    std::string text = "stale";
    EXPECT_FALSE(hostfiles::OsVersionText(text));
    EXPECT_EQ(text, "");

    host_.osVersionFile = (dir_ / "version").string();
    WriteFile(host_.osVersionFile, "Linux version 2.6.32 (gcc version 4.4.6) #1\n");
    ASSERT_TRUE(hostfiles::OsVersionText(text));
    EXPECT_EQ(text, "Linux version 2.6.32 ");

    WriteFile(host_.osVersionFile, "Linux version 6.1\n");
    ASSERT_TRUE(hostfiles::OsVersionText(text));
    EXPECT_EQ(text, "Linux version 6.1\n");

    // Only the first 255 bytes are read.
    WriteFile(host_.osVersionFile, std::string(300, 'x') + "(");
    ASSERT_TRUE(hostfiles::OsVersionText(text));
    EXPECT_EQ(text, std::string(255, 'x'));
}

TEST_F(HostFilesTest, DriverVersionIsTheFirstLineWithoutItsLineEnd)
{
    std::string line = "stale";
    EXPECT_FALSE(hostfiles::DriverVersionLine(line, 19));
    EXPECT_EQ(line, "");

    host_.driverVersionFile = (dir_ / "driver").string();
    WriteFile(host_.driverVersionFile, "06.504.01.00\nsecond\n");
    ASSERT_TRUE(hostfiles::DriverVersionLine(line, 19));
    EXPECT_EQ(line, "06.504.01.00");

    // An empty file, a last line without line end, a line longer than the room.
    WriteFile(host_.driverVersionFile, "");
    ASSERT_TRUE(hostfiles::DriverVersionLine(line, 19));
    EXPECT_EQ(line, "");
    WriteFile(host_.driverVersionFile, "07.1");
    ASSERT_TRUE(hostfiles::DriverVersionLine(line, 19));
    EXPECT_EQ(line, "07.1");
    WriteFile(host_.driverVersionFile, "0123456789abcdefghijklmn\n");
    ASSERT_TRUE(hostfiles::DriverVersionLine(line, 19));
    EXPECT_EQ(line, "0123456789abcdefghi");
}

}  // namespace
