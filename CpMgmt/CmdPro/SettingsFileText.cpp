#include "CpMgmt/CmdPro/SettingsFileText.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "ZepUtil/TextHelpers.h"
#include "runtime/FileIO.h"

namespace settingsfile {
namespace {

constexpr int kReadChunk = 256;
constexpr unsigned kMaxSasPieces = 8;
constexpr u64 kMaxSasPiece = 0xFF;

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The text from `from` up to the next '=' (or its end); `from` moves past that '='.
std::string Token(const std::string& text, std::size_t* from)
{
    std::size_t start = *from;
    while (start < text.size() && text[start] == '=')
        ++start;
    std::size_t end = text.find('=', start);
    if (end == std::string::npos)
        end = text.size();
    *from = end < text.size() ? end + 1 : end;
    return text.substr(start, end - start);
}

}  // namespace

bool ReadLine(FileIO* io, FileHandle* file, std::string* line)
{
    line->clear();
    char chunk[kReadChunk];
    bool read = false;
    while (io->Gets(chunk, kReadChunk, file) != nullptr) {
        read = true;
        const std::size_t length = std::strlen(chunk);
        if (line->size() < kMaxLineLength)
            line->append(chunk, std::min(length, kMaxLineLength - line->size()));
        if (length > 0 && chunk[length - 1] == '\n')
            break;
    }
    return read;
}

void TrimTrailingSpace(std::string* text)
{
    std::size_t end = text->size();
    while (end > 0 && IsSpace((*text)[end - 1]))
        --end;
    text->resize(end);
}

void TrimSpace(std::string* text)
{
    TrimTrailingSpace(text);
    std::size_t start = 0;
    while (start < text->size() && IsSpace((*text)[start]))
        ++start;
    text->erase(0, start);
}

bool SplitLine(const std::string& line, bool trimLeading, std::string* key, std::string* value)
{
    std::string text = line.substr(0, line.find('#'));
    std::size_t at = 0;
    *key = Token(text, &at);
    *value = Token(text, &at);
    for (std::string* part : {key, value}) {
        if (trimLeading)
            TrimSpace(part);
        else
            TrimTrailingSpace(part);
    }
    if (key->empty() || value->empty())
        return false;
    for (char& c : *key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return true;
}

bool ParseDecimal(const std::string& text, s64* value)
{
    constexpr s64 kMin = -2147483648LL;
    constexpr s64 kMax = 2147483647LL;
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    if (at == text.size())
        return false;
    s64 number = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return false;
        number = number * 10 + (text[at] - '0');
        if (number > kMax + 1)
            return false;
    }
    number = negative ? -number : number;
    if (number < kMin || number > kMax)
        return false;
    *value = number;
    return true;
}

bool ParseHex(const std::string& text, u64 max, u64* value)
{
    std::size_t at = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        at = 2;
    if (at == text.size())
        return false;
    u64 number = 0;
    for (; at < text.size(); ++at) {
        const int digit = HexDigitValue(text[at]);
        if (digit < 0)
            return false;
        number = number * 16 + static_cast<u64>(digit);
        if (number > max)
            return false;
    }
    *value = number;
    return true;
}

int ParseSasAddress(const std::string& text, u64* address)
{
    *address = 0;
    u64 result = 0;
    unsigned pieces = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(':', start), text.size());
        std::size_t at = start;
        while (at < end && IsSpace(text[at]))
            ++at;
        u64 piece = 0;
        if (++pieces > kMaxSasPieces || !ParseHex(text.substr(at, end - at), kMaxSasPiece, &piece))
            return 1;
        result |= piece << (8 * (kMaxSasPieces - pieces));
        if (end == text.size())
            break;
        start = end + 1;
    }
    *address = result;
    return 0;
}

}  // namespace settingsfile
