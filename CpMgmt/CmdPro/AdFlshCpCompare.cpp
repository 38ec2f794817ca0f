// Version texts compared field by field, as the flash command decides whether an image is newer.
#include <cstring>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "ZepUtil/TextHelpers.h"

namespace {

// A work copy of a version text: at most the first 127 characters.
struct VersionText {
    explicit VersionText(const char* text)
    {
        if (text != nullptr)
            std::strncpy(chars, text, AdpFwFlashCp::kMaxVersionText);
    }
    char chars[AdpFwFlashCp::kMaxVersionText + 1] = {};
};

// The value of the run of digits at `at` (modulo 65536); `at` moves past the run.
u16 ReadField(const char* text, std::size_t& at)
{
    u16 value = 0;
    for (; IsDigit(text[at]); ++at)
        value = static_cast<u16>(value * 10 + (text[at] - '0'));
    return value;
}

}  // namespace

s16 AdpFwFlashCp::CompareVersions(const char* imageVersion, const char* controllerVersion)
{
    const VersionText a(imageVersion);
    const VersionText b(controllerVersion);
    std::size_t i = 0;
    std::size_t j = 0;
    s16 tie = 0;
    for (;;) {
        const u16 fieldA = ReadField(a.chars, i);
        const u16 fieldB = ReadField(b.chars, j);
        const bool endA = a.chars[i] == '\0';
        const bool endB = b.chars[j] == '\0';
        if (endA && !endB)
            tie = -1;
        else if (endB && !endA)
            tie = 1;
        const s16 difference = static_cast<s16>(static_cast<u16>(fieldA - fieldB));
        if (difference != 0)
            return difference;
        if (endA || endB)
            return tie;
        // Every other character ends a field; step over it.
        ++i;
        ++j;
    }
}
