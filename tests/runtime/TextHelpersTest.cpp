// The text helpers, table by table.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ZepUtil/TextHelpers.h"

namespace {

TEST(TextHelpers, KBToSizeText)
{
    const struct {
        u64 kb;
        const char* text;
    } cases[] = {
        {0, "0 KB"},
        {1023, "1023 KB"},
        {1024, "1.0 MB"},
        {1025, "1.0 MB"},       // 0.0009... keeps one zero
        {1100, "1.074 MB"},     // truncated, not rounded
        {1536, "1.5 MB"},
        {1792, "1.75 MB"},
        {2047, "1.999 MB"},
        {2048, "2.0 MB"},
        {1048576, "1.0 GB"},
        {1048576 + 512, "1.0 GB"},  // the decimals come from the last division only
        {1572864, "1.5 GB"},
        {u64{1} << 40, "1.0 PB"},
        {~u64{0}, "15.999 ZB"},
    };
    for (const auto& c : cases) {
        char out[32] = {};
        EXPECT_EQ(KBToSizeText(c.kb, out), 0);
        EXPECT_STREQ(out, c.text) << c.kb;
    }
}

TEST(TextHelpers, EnclosureIdTextSharesOneBuffer)
{
    const char* first = EnclosureIdText(252);
    EXPECT_STREQ(first, "252");
    const char* second = EnclosureIdText(0xFFFF);
    EXPECT_STREQ(second, "N/A");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(EnclosureIdText(65534), "65534");
    EXPECT_STREQ(EnclosureIdText(0), "0");
}

TEST(TextHelpers, UIntToDecimalText)
{
    char out[11];
    EXPECT_EQ(UIntToDecimalText(0, out), 0);
    EXPECT_STREQ(out, "0");
    UIntToDecimalText(4294967295u, out);
    EXPECT_STREQ(out, "4294967295");
}

TEST(TextHelpers, ParseDecimalNumber)
{
    const struct {
        const char* text;
        u64 whole;
        u32 thousandths;
    } cases[] = {
        {"1.5", 1, 500},
        {"1.05", 1, 50},
        {"1.25", 1, 250},
        {"1.10", 1, 100},
        {"2.125", 2, 125},
        {"2.1259", 2, 125},
        {"7", 7, 0},
        {"7.", 7, 0},
        {".5", 0, 500},
        {"1.5x", 1, 500},
        {"-1.5", ~u64{0}, 500},                              // sign-extended
        {"99999999999999999999", u64{LLONG_MAX}, 0},         // held, not wrapped
        {"", 0, 0},
        {"abc", 0, 0},
    };
    for (const auto& c : cases) {
        u64 whole = 12345;
        u32 thousandths = 12345;
        EXPECT_EQ(ParseDecimalNumber(c.text, &whole, &thousandths), 0);
        EXPECT_EQ(whole, c.whole) << c.text;
        EXPECT_EQ(thousandths, c.thousandths) << c.text;
    }
    u64 whole = 1;
    u32 thousandths = 1;
    ParseDecimalNumber(nullptr, &whole, &thousandths);
    EXPECT_EQ(whole, 0u);
    EXPECT_EQ(thousandths, 0u);
}

TEST(TextHelpers, SizeToBlocks)
{
    const u64 kMax = ~u64{0};
    const struct {
        u16 unit;
        u64 whole;
        u32 thousandths;
        u8 hasFraction;
        u64 blocks;
    } cases[] = {
        {0, 1, 0, 0, 2048},
        {1, 1, 0, 0, u64{1} << 21},
        {2, 1, 0, 0, u64{1} << 31},
        {1, 1, 500, 1, (u64{1} << 21) + (u64{1} << 20)},
        {0, 1, 500, 0, 2048},           // no fraction flag: the thousandths do not count
        {0, 0, 1, 1, 2},                // 2048 / 1000 rounded down
        {2, 3, 999, 1, 3 * (u64{1} << 31) + 999 * (u64{1} << 31) / 1000},
        {2, u64{1} << 33, 0, 0, kMax},  // 2^64 blocks do not fit
        {2, (u64{1} << 33) - 1, 999, 1, ((u64{1} << 33) - 1) * (u64{1} << 31) + 999 * (u64{1} << 31) / 1000},
        {0, kMax, 0, 0, kMax},
    };
    for (const auto& c : cases) {
        u64 blocks = 7;
        EXPECT_EQ(SizeToBlocks(c.unit, c.whole, c.thousandths, c.hasFraction, &blocks), 0);
        EXPECT_EQ(blocks, c.blocks) << c.unit << " " << c.whole << "." << c.thousandths;
    }
    u64 blocks = 7;
    EXPECT_EQ(SizeToBlocks(3, 1, 0, 0, &blocks), -1);
    EXPECT_EQ(blocks, 7u);
}

TEST(TextHelpers, HexTextToU64)
{
    const struct {
        const char* text;
        u64 value;
    } cases[] = {
        {"0x1F", 0x1F},
        {"  0XfF", 0xFF},
        {"\t10", 0x10},
        {"abcDEF", 0xABCDEF},
        {"12g4", 0x12},
        {"0x", 0},
        {"xyz", 0},
        {"", 0},
        {"0xFFFFFFFFFFFFFFFF", ~u64{0}},
        {"0x5000C50012345678", 0x5000C50012345678ull},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexTextToU64(c.text), c.value) << c.text;
    EXPECT_EQ(HexTextToU64(nullptr), 0u);
}

TEST(TextHelpers, CutAtComment)
{
    char line[] = "RebuildRate=30 # percent";
    CutAtComment(line);
    EXPECT_STREQ(line, "RebuildRate=30 ");
    char noComment[] = "a=b";
    CutAtComment(noComment);
    EXPECT_STREQ(noComment, "a=b");
    char only[] = "#all";
    CutAtComment(only);
    EXPECT_STREQ(only, "");
    CutAtComment(nullptr);
}

}  // namespace
