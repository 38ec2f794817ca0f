// The process-wide file object over the C library's streams.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "RuntimeTestDir.h"
#include "runtime/FileIO.h"

namespace {

using runtime_test::ReadFile;
using runtime_test::WriteFile;

class FileIOTest : public runtime_test::InTempDir {};

TEST_F(FileIOTest, SeekTakesMinusTwoAsStartAndMinusOneAsEnd)
{
    WriteFile("data.bin", "0123456789");
    FileIO* io = GetFileIO();
    ASSERT_EQ(io, GetFileIO());
    FileHandle* file = io->Open("data.bin", "rb");
    ASSERT_NE(file, nullptr);
    char c = 0;

    EXPECT_EQ(io->Seek(file, -3, -1), 0);
    EXPECT_EQ(io->Tell(file), 7);
    EXPECT_EQ(io->Seek(file, 2, -2), 0);
    EXPECT_EQ(io->Tell(file), 2);
    EXPECT_EQ(io->Seek(file, 3, SEEK_CUR), 0);  // the C library's own values pass unchanged
    EXPECT_EQ(io->Read(&c, 1, 1, file), 1u);
    EXPECT_EQ(c, '5');
    EXPECT_EQ(io->Seek(file, 0, SEEK_END), 0);
    EXPECT_EQ(io->Tell(file), 10);
    EXPECT_NE(io->Seek(file, -20, -2), 0);
    EXPECT_EQ(io->Close(file), 0);
}

TEST_F(FileIOTest, GetsKeepsTheLineEndAndEndsWithNull)
{
    WriteFile("lines.txt", "first\nsecond");
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open("lines.txt", "r");
    ASSERT_NE(file, nullptr);
    char line[16];
    ASSERT_NE(io->Gets(line, sizeof(line), file), nullptr);
    EXPECT_STREQ(line, "first\n");
    ASSERT_NE(io->Gets(line, 4, file), nullptr);
    EXPECT_STREQ(line, "sec");
    ASSERT_NE(io->Gets(line, sizeof(line), file), nullptr);
    EXPECT_STREQ(line, "ond");
    EXPECT_EQ(io->Gets(line, sizeof(line), file), nullptr);
    EXPECT_EQ(io->Error(file), 0);
    io->Close(file);
}

TEST_F(FileIOTest, WriteAndPrintfReachTheFile)
{
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open("out.txt", "w");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(io->Write("abcd", 2, 2, file), 2u);
    EXPECT_EQ(io->Printf(file, "%d-%s", 7, "x"), 3);
    EXPECT_EQ(io->Close(file), 0);
    EXPECT_EQ(ReadFile("out.txt"), "abcd7-x");
}

TEST_F(FileIOTest, MissingFileAndNullHandleAreFailuresNotCrashes)
{
    FileIO* io = GetFileIO();
    EXPECT_EQ(io->Open("absent.txt", "r"), nullptr);
    char buffer[8];
    EXPECT_EQ(io->Read(buffer, 1, sizeof(buffer), nullptr), 0u);
    EXPECT_EQ(io->Write(buffer, 1, 1, nullptr), 0u);
    EXPECT_NE(io->Seek(nullptr, 0, -2), 0);
    EXPECT_EQ(io->Tell(nullptr), -1);
    EXPECT_LT(io->Printf(nullptr, "%s", "x"), 0);
    EXPECT_NE(io->Error(nullptr), 0);
    EXPECT_EQ(io->Gets(buffer, sizeof(buffer), nullptr), nullptr);
    EXPECT_NE(io->Close(nullptr), 0);
}

}  // namespace
