// The POST delay read from the key=value text block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CpMgmt/CmdPro/AdAlInPostDelay.h"

namespace {

// A 1024-byte block whose strings start at byte 4; `strings` holds the strings with their NULs.
std::vector<u8> Block(const std::string& strings)
{
    std::vector<u8> block(1024, 0);
    for (std::size_t i = 0; i < strings.size() && 4 + i < block.size(); ++i)
        block[4 + i] = static_cast<u8>(strings[i]);
    return block;
}

struct Case {
    const char* name;
    std::string strings;
    int expected;
};

TEST(AdAlInPostDelay, ValueOfTheFirstStringHoldingTheKey)
{
    using namespace std::string_literals;
    const Case cases[] = {
        {"second string", "a=1\0delaySOD=5\0\0"s, 5},
        {"empty block", ""s, 90},
        {"key after other text", "boot=1 delaySOD=7\0"s, 7},
        {"run of equals is one cut", "delaySOD==12\0"s, 12},
        {"only the first counts", "delaySOD=3\0delaySOD=4\0"s, 3},
        {"value ends at the next equals", "delaySOD=8=9\0"s, 8},
        {"blanks and sign", "delaySOD= -15\0"s, -15},
        {"digits up to another character", "delaySOD=20s\0"s, 20},
        {"no digits give 0", "delaySOD=abc\0"s, 0},
        {"no value keeps the default", "delaySOD=\0delaySOD=4\0"s, 90},
        {"no equals keeps the default", "delaySOD\0"s, 90},
        {"key is case-sensitive", "DELAYSOD=5\0"s, 90},
        {"strings after the empty string are not read", "a=1\0\0delaySOD=5\0"s, 90},
        {"huge value is held in range", "delaySOD=99999999999999999999\0"s, 2147483647},
    };
    for (const Case& c : cases) {
        std::vector<u8> block = Block(c.strings);
        EXPECT_EQ(ReadPostDelay(block.data(), block.size()), c.expected) << c.name;
    }
}

TEST(AdAlInPostDelay, NeverReadsPastTheBlock)
{
    // No terminating empty string anywhere: the scan ends at the block's end.
    std::vector<u8> block(1024, 'x');
    EXPECT_EQ(ReadPostDelay(block.data(), block.size()), 90);

    // The key in the last bytes, with its value cut by the block's end.
    const std::string tail = "delaySOD=42";
    std::copy(tail.begin(), tail.end(), block.end() - static_cast<long>(tail.size()));
    block[block.size() - tail.size() - 1] = 0;
    EXPECT_EQ(ReadPostDelay(block.data(), block.size()), 42);

    EXPECT_EQ(ReadPostDelay(nullptr, 0), 90);
    EXPECT_EQ(ReadPostDelay(block.data(), 3), 90);
}

}  // namespace
