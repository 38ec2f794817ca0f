// The message catalogue: look-up, printing through the console printer, the bounded buffers,
// writing to files and the check for ids that are defined twice.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "RuntimeTestDir.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"

namespace {

using runtime_test::ReadFile;
using runtime_test::WriteFile;

class CatalogueTest : public runtime_test::InTempDir {};

TEST_F(CatalogueTest, PrintsTheFormattedTextOnScreenAndInTheOutputLog)
{
    PrintMessage(0x12, 3);
    PrintMessage(0x80002, 1);
    const std::string expected = "Adapter #3\n\n\nExit Code: 0x01\n";
    EXPECT_EQ(Screen(), expected);
    EXPECT_EQ(ReadFile("Dravlix.log"), expected);
}

TEST_F(CatalogueTest, AbsentOrEmptyTextPrintsAndWritesNothing)
{
    static const MessageEntry entries[] = {{0xFE000001, ""}};
    MessageTableRegistration registration("TestEmpty", entries, 1);

    PrintMessage(0xFE000001);
    PrintMessage(0xFE000002);
    EXPECT_EQ(Screen(), "");
    EXPECT_FALSE(std::filesystem::exists("Dravlix.log"));

    FileHandle* file = GetFileIO()->Open("out.txt", "w");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(FPrintMessage(file, 0xFE000001), 0);
    EXPECT_EQ(FPrintMessage(file, 0xFE000002), 0);
    GetFileIO()->Close(file);
    EXPECT_EQ(ReadFile("out.txt"), "");
}

TEST_F(CatalogueTest, ScreenTextIsCutAt2047Characters)
{
    const std::string longText(3000, 'x');
    PrintMessage(0x1, longText.c_str());
    EXPECT_EQ(Screen(), std::string(2047, 'x'));
}

TEST_F(CatalogueTest, FileTextIsWrittenUnchangedAndCutAt1023Characters)
{
    FileHandle* file = GetFileIO()->Open("out.txt", "w");
    ASSERT_NE(file, nullptr);
    // Percent signs in the argument must not be read as a format a second time.
    EXPECT_EQ(FPrintMessage(file, 0x1, "100% %s %n|"), 0);
    const std::string longText(1500, 'y');
    EXPECT_EQ(FPrintMessage(file, 0x1, longText.c_str()), 0);
    GetFileIO()->Close(file);
    EXPECT_EQ(ReadFile("out.txt"), "100% %s %n|" + std::string(1023, 'y'));
    EXPECT_EQ(Screen(), "");
}

TEST_F(CatalogueTest, FailedFileWriteAnswersMinusOne)
{
    WriteFile("ro.txt", "content");
    FileHandle* readOnly = GetFileIO()->Open("ro.txt", "r");
    ASSERT_NE(readOnly, nullptr);
    EXPECT_EQ(FPrintMessage(readOnly, 0x1, "text"), -1);
    GetFileIO()->Close(readOnly);
    EXPECT_EQ(FPrintMessage(nullptr, 0x1, "text"), -1);
}

TEST_F(CatalogueTest, CtPrintStringPrintsPercentSignsAsTheyStand)
{
    CtPrintString(string("50% done %d\n"));
    EXPECT_EQ(Screen(), "50% done %d\n");
}

TEST(CatalogueRegistry, FindsIdsDefinedTwiceAcrossAndWithinTables)
{
    static const MessageEntry first[] = {{0xFE100001, "first 1"}, {0xFE100002, "first 2"}};
    static const MessageEntry second[] = {{0xFE100002, "second 2"}, {0xFE100003, "second 3"}, {0xFE100003, "again"}};
    {
        MessageTableRegistration registerFirst("TestFirst", first, 2);
        MessageTableRegistration registerSecond("TestSecond", second, 3);

        std::vector<DuplicateMessageId> found;
        for (const DuplicateMessageId& d : FindDuplicateMessageIds())
            if ((d.id & 0xFFFFFF00u) == 0xFE100000u)
                found.push_back(d);
        ASSERT_EQ(found.size(), 2u);
        EXPECT_EQ(found[0].id, 0xFE100002u);
        EXPECT_STREQ(found[0].firstTable, "TestFirst");
        EXPECT_STREQ(found[0].secondTable, "TestSecond");
        EXPECT_EQ(found[1].id, 0xFE100003u);
        EXPECT_STREQ(found[1].firstTable, "TestSecond");
        EXPECT_STREQ(found[1].secondTable, "TestSecond");

        EXPECT_STREQ(GetMessageText(0xFE100002), "first 2");  // the first registration answers
        EXPECT_STREQ(GetMessageText(0xFE100003), "second 3");
    }
    // A registration that ends takes its table out of the catalogue.
    EXPECT_EQ(GetMessageText(0xFE100001), nullptr);
    EXPECT_EQ(GetMessageText(0xFE100002), nullptr);
}

TEST(CatalogueRegistry, TheToolsCatalogueDefinesEveryIdOnce)
{
    const std::vector<DuplicateMessageId> duplicates = FindDuplicateMessageIds();
    for (const DuplicateMessageId& d : duplicates)
        ADD_FAILURE() << "message 0x" << std::hex << d.id << " is defined in " << d.firstTable << " and in "
                      << d.secondTable;
    EXPECT_TRUE(duplicates.empty());
}

TEST(CatalogueRegistry, CommonBuildingBlocksAreRegistered)
{
    ASSERT_NE(GetMessageText(0xB), nullptr);
    EXPECT_EQ(std::string(GetMessageText(0xB)), std::string(78, '=') + "\n");
    EXPECT_STREQ(GetMessageText(0x3610D),
                 "Performing this operation will result in data corruption or data lost, use -force option if "
                 "you are sure to perform this operation. \n");
}

}  // namespace
