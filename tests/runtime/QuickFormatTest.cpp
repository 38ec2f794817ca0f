// The quick formatter must give std::snprintf's text and result for every format, the ones it
// writes itself and the ones it hands on, at every buffer size.
#include <climits>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "ZepUtil/QuickFormat.h"

namespace {

// The format reaches both as a variable, so the compiler checks none of these calls; each
// formats at sizes 0 (no buffer), 1, 2, 7 and 64 and compares text and result.
template <class... Args>
void ExpectSame(const char* format, Args... args)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{64}}) {
        char quick[64];
        char plain[64];
        std::fill(std::begin(quick), std::end(quick), '#');
        std::fill(std::begin(plain), std::end(plain), '#');
        const int quickLength = QuickFormat(size == 0 ? nullptr : quick, size, format, args...);
        const int plainLength = std::snprintf(size == 0 ? nullptr : plain, size, format, args...);
        EXPECT_EQ(quickLength, plainLength) << format << " size " << size;
        EXPECT_EQ(std::string(quick, 64), std::string(plain, 64)) << format << " size " << size;
    }
}

TEST(QuickFormatTest, PlainConversionsGiveSnprintfsText)
{
    ExpectSame("Enclosure Device ID: %s\n", "252");
    ExpectSame("Slot Number: %d\n", 7);
    ExpectSame("%d %i %d %i", 0, -1, INT_MIN, INT_MAX);
    ExpectSame("%u %u %x %X", 0u, UINT_MAX, 0xABCDEFu, 0xABCDEFu);
    ExpectSame("%ld %lu %lx %lX", LONG_MIN, ULONG_MAX, 0x500a4b0000c0b001ul, 0x500a4b0000c0b001ul);
    ExpectSame("%lld %llu %llx", LLONG_MIN, ULLONG_MAX, 0ull);
    ExpectSame("100%% done, %s%%", "50");
    const char* volatile none = nullptr;
    ExpectSame("%s|%s|%s", "", "a text longer than the smallest buffers", static_cast<const char*>(none));
    ExpectSame("no conversion at all", 0);  // (the unused argument keeps the call from being a bare text)
    ExpectSame("", 0);
}

TEST(QuickFormatTest, OtherFormatsAreHandedToSnprintf)
{
    ExpectSame("%03u", 7u);
    ExpectSame("%5d|%-5d|%+d", 42, 42, 42);
    ExpectSame("%.2s", "abcdef");
    ExpectSame("%*d", 6, 3);
    ExpectSame("%c%c", 'o', 'k');
    ExpectSame("%.3f", 1.0 / 3);
    ExpectSame("%hhu %hu", 300, 70000);
    ExpectSame("%d then %5s", 1, "x");
    ExpectSame("%s %llu %x then %-3d|", "a", ULLONG_MAX, 255u, 9);  // begun, then handed on whole
    ExpectSame("ends in %", 0);
}

TEST(QuickFormatTest, AppendFormatAddsTheLineCutAt255Bytes)
{
    std::string text = "Slot Number: ";
    AppendFormat(text, "%d\n", 7);
    AppendFormat(text, "%s|%5s|", "a", "b");  // handed to vsnprintf
    EXPECT_EQ(text, "Slot Number: 7\na|    b|");
    const std::string longText(300, 'x');
    std::string cut = "<";
    AppendFormat(cut, "%s>", longText.c_str());
    EXPECT_EQ(cut, "<" + std::string(255, 'x'));
}

}  // namespace
