#include "CpMgmt/CmdPro/AdAlInPostDelay.h"

#include <cctype>
#include <climits>
#include <string_view>

#include "fwdata/layout/KeyValues.h"

namespace {

constexpr std::string_view kPostDelayKey = "delaySOD";

// Leading white space, an optional sign and the digits up to the first other character; the
// value is held within the int range.
int ParseDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

// The value of a string that holds the key: the second '='-separated piece from the key on.
bool ValueAfterKey(std::string_view fromKey, std::string_view* value)
{
    std::size_t cut = fromKey.find('=');
    if (cut == std::string_view::npos)
        return false;
    std::size_t start = fromKey.find_first_not_of('=', cut);
    if (start == std::string_view::npos)
        return false;
    std::size_t end = fromKey.find('=', start);
    *value = fromKey.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    return true;
}

}  // namespace

int ReadPostDelay(const u8* block, std::size_t size)
{
    if (block == nullptr)
        return kDefaultPostDelay;
    const char* text = reinterpret_cast<const char*>(block);
    std::size_t pos = keyvalues::kOffFirstString;
    while (pos < size && text[pos] != '\0') {
        std::size_t length = 0;
        while (pos + length < size && text[pos + length] != '\0')
            ++length;
        std::string_view entry(text + pos, length);
        std::size_t key = entry.find(kPostDelayKey);
        if (key != std::string_view::npos) {
            std::string_view value;
            return ValueAfterKey(entry.substr(key), &value) ? ParseDecimal(value) : kDefaultPostDelay;
        }
        pos += length + 1;
    }
    return kDefaultPostDelay;
}
