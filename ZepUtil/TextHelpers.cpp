#include "ZepUtil/TextHelpers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "ZepUtil/QuickFormat.h"

namespace {
char g_enclosureIdText[8];

const char* const kSizeUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB", "ZB", "YB"};
constexpr unsigned kSizeUnitCount = sizeof(kSizeUnits) / sizeof(kSizeUnits[0]);

}  // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

const char* EnclosureIdText(u16 enclosureId)
{
    if (enclosureId == 0xFFFF)
        std::snprintf(g_enclosureIdText, sizeof(g_enclosureIdText), "N/A");
    else
        std::snprintf(g_enclosureIdText, sizeof(g_enclosureIdText), "%d", static_cast<int>(enclosureId));
    return g_enclosureIdText;
}

int KBToSizeText(u64 sizeKB, char* out)
{
    if (out == nullptr)
        return 0;
    u64 value = sizeKB;
    unsigned unit = 0;
    unsigned remainder = 0;
    while (value >= 1024 && unit + 1 < kSizeUnitCount) {
        remainder = static_cast<unsigned>(value % 1024);
        value /= 1024;
        ++unit;
    }
    if (unit == 0) {
        QuickFormat(out, 32, "%llu KB", static_cast<unsigned long long>(value));
        return 0;
    }
    // Three truncated decimals of remainder/1024; trailing zeros are dropped but one digit stays.
    const unsigned thousandths = remainder * 1000u / 1024u;
    char digits[4] = {static_cast<char>('0' + thousandths / 100), static_cast<char>('0' + thousandths / 10 % 10),
                      static_cast<char>('0' + thousandths % 10), '\0'};
    int count = 3;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    digits[count] = '\0';
    QuickFormat(out, 32, "%llu.%s %s", static_cast<unsigned long long>(value), digits, kSizeUnits[unit]);
    return 0;
}

int UIntToDecimalText(u32 value, char* out)
{
    if (out != nullptr)
        std::snprintf(out, 11, "%u", static_cast<unsigned>(value));
    return 0;
}

int ParseDecimalNumber(const char* text, u64* whole, u32* thousandths)
{
    long long wholeValue = 0;
    u32 fraction = 0;
    if (text != nullptr) {
        char* end = nullptr;
        const int savedErrno = errno;
        wholeValue = std::strtoll(text, &end, 10);  // saturates instead of wrapping
        errno = savedErrno;
        if (end != nullptr && *end == '.') {
            const char* p = end + 1;
            int count = 0;
            while (count < 3 && IsDigit(p[count])) {
                fraction = fraction * 10 + static_cast<u32>(p[count] - '0');
                ++count;
            }
            static const u32 kScale[] = {0, 100, 10, 1};
            fraction *= kScale[count];
        }
    }
    if (whole != nullptr)
        *whole = static_cast<u64>(static_cast<s64>(wholeValue));
    if (thousandths != nullptr)
        *thousandths = fraction;
    return 0;
}

int SizeToBlocks(u16 unit, u64 whole, u32 thousandths, u8 hasFraction, u64* blocks)
{
    static const u64 kBlocksPerUnit[] = {u64{1} << 11, u64{1} << 21, u64{1} << 31};
    if (unit >= sizeof(kBlocksPerUnit) / sizeof(kBlocksPerUnit[0]))
        return -1;
    const u64 perUnit = kBlocksPerUnit[unit];
    const u64 kMax = ~u64{0};
    u64 result = whole > kMax / perUnit ? kMax : whole * perUnit;
    if (hasFraction != 0) {
        const u64 part = static_cast<u64>(thousandths) * perUnit / 1000;  // < 2^63, cannot wrap
        result = result > kMax - part ? kMax : result + part;
    }
    if (blocks != nullptr)
        *blocks = result;
    return 0;
}

u64 HexTextToU64(const char* text)
{
    if (text == nullptr)
        return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;
    u64 value = 0;
    for (int digit = HexDigitValue(*p); digit >= 0; digit = HexDigitValue(*++p))
        value = (value << 4) | static_cast<u64>(digit);
    return value;
}

void CutAtComment(char* text)
{
    if (text == nullptr)
        return;
    for (char* p = text; *p != '\0'; ++p) {
        if (*p == '#') {
            *p = '\0';
            return;
        }
    }
}
