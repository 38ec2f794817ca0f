// The text of the settings files: whole lines however long, keys and values, strict numbers and
// SAS addresses.
#include <gtest/gtest.h>

#include <string>

#include "CpMgmt/CmdPro/SettingsFileText.h"
#include "runtime/FileIO.h"
#include "runtime/RuntimeTestDir.h"

namespace {

using namespace settingsfile;

class SettingsFileTextTest : public runtime_test::InTempDir {};

TEST_F(SettingsFileTextTest, LongLinesAreReadWhole)
{
    const std::string comment = "#" + std::string(600, 'x') + " WRITEBACK=0";
    runtime_test::WriteFile("s.cfg", comment + "\nREADAHEAD=1\nlast");
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open("s.cfg", "r");
    ASSERT_NE(file, nullptr);
    std::string line;
    ASSERT_TRUE(ReadLine(io, file, &line));
    EXPECT_EQ(line, comment + "\n");
    ASSERT_TRUE(ReadLine(io, file, &line));
    EXPECT_EQ(line, "READAHEAD=1\n");
    ASSERT_TRUE(ReadLine(io, file, &line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(ReadLine(io, file, &line));
    io->Close(file);
}

TEST_F(SettingsFileTextTest, KeysAndValuesSplitAtTheEqualsSign)
{
    std::string key, value;
    ASSERT_TRUE(SplitLine("writeback = 2  # a comment\n", false, &key, &value));
    EXPECT_EQ(key, "WRITEBACK");
    EXPECT_EQ(value, " 2");
    ASSERT_TRUE(SplitLine("==a=b=c\n", false, &key, &value));  // leading '=' skipped, "c" ignored
    EXPECT_EQ(key, "A");
    EXPECT_EQ(value, "b");
    ASSERT_TRUE(SplitLine("  vendorid = 1234 #x\n", true, &key, &value));
    EXPECT_EQ(key, "VENDORID");
    EXPECT_EQ(value, "1234");
    ASSERT_TRUE(SplitLine(" writeback=1", false, &key, &value));
    EXPECT_EQ(key, " WRITEBACK");  // leading blanks stay in the settings file's keys
    for (const char* skipped : {"WRITEBACK\n", "=5\n", "WRITEBACK=\n", "WRITEBACK=  # none\n", "\n", "# only"})
        EXPECT_FALSE(SplitLine(skipped, true, &key, &value)) << skipped;
}

TEST_F(SettingsFileTextTest, NumbersAreWholeAndInRange)
{
    s64 n = 0;
    ASSERT_TRUE(ParseDecimal("  -1", &n));
    EXPECT_EQ(n, -1);
    ASSERT_TRUE(ParseDecimal("+2147483647", &n));
    EXPECT_EQ(n, 2147483647);
    ASSERT_TRUE(ParseDecimal("-2147483648", &n));
    for (const char* bad : {"", "abc", "2x", "1 2", "- 1", "4294967298", "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_FALSE(ParseDecimal(bad, &n)) << bad;

    u64 h = 0;
    ASSERT_TRUE(ParseHex("0x1234", 0xFFFF, &h));
    EXPECT_EQ(h, 0x1234u);
    ASSERT_TRUE(ParseHex("ffff", 0xFFFF, &h));
    for (const char* bad : {"", "0x", "12g", "10000", "-1"})
        EXPECT_FALSE(ParseHex(bad, 0xFFFF, &h)) << bad;
}

TEST_F(SettingsFileTextTest, SasAddressesTakeUpToEightBytes)
{
    u64 a = 0;
    EXPECT_EQ(ParseSasAddress("50:6:5:b0:0:c7:4e:80", &a), 0);
    EXPECT_EQ(a, 0x500605B000C74E80u);
    EXPECT_EQ(ParseSasAddress("0x50:0x06:0x05:0xb0:0x00:0xc7:0x4e:0x80", &a), 0);  // longer than 31 characters
    EXPECT_EQ(a, 0x500605B000C74E80u);
    EXPECT_EQ(ParseSasAddress("1:2", &a), 0);
    EXPECT_EQ(a, 0x0102000000000000u);
    for (const char* bad : {"1:100", "1:2:3:4:5:6:7:8:9", "1::2", "zz", "1:2x", ""}) {
        EXPECT_EQ(ParseSasAddress(bad, &a), 1) << bad;
        EXPECT_EQ(a, 0u) << bad;
    }
}

}  // namespace
