#include "FieldTable.h"

#include <cctype>
#include <cstdio>

namespace sim {
namespace {

u64 StripCodeFromKb(const JsonValue& value, const std::string& path)
{
    double fraction = 0;
    if (IsFraction(value, fraction) && fraction == 0.5)
        return 0;
    if (value.is_int64() || value.is_uint64()) {
        const u64 kb = AsUnsigned(value, path, u64{1} << (kMaxStripCode - 1));
        for (u64 code = 1; code <= kMaxStripCode; ++code) {
            if (kb == (u64{1} << (code - 1)))
                return code;
        }
    }
    Fail(path, "expected a strip size in KB: 0.5 or a power of two from 1 to " +
                   std::to_string(u64{1} << (kMaxStripCode - 1)));
}

// The code of the name that `value` holds.
bool FindName(const JsonValue& value, std::span<const EnumName> names, u64& code)
{
    if (!value.is_string())
        return false;
    const std::string_view text = TextOf(value);
    const char first = text.empty() ? '\0' : text[0];
    for (const EnumName& n : names) {
        if (n.name[0] == first && text == n.name) {  // the first letter rules out most names cheaply
            code = n.code;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string HexText(u64 value, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::vector<u8> ReadHexBytes(ObjectReader& r, const char* key, std::size_t maxBytes)
{
    const std::string text = r.Text(key, 2 * maxBytes);
    const auto digit = [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    };
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            Fail(r.PathOf(key), "expected pairs of hexadecimal digits");
    }
    if (text.empty() || text.size() % 2 != 0)
        Fail(r.PathOf(key), "expected pairs of hexadecimal digits");
    std::vector<u8> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2)
        bytes.push_back(static_cast<u8>(digit(text[i]) * 16 + digit(text[i + 1])));
    return bytes;
}

std::string HexDigits(const u8* bytes, std::size_t count)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0xF]);
    }
    return text;
}

bool IsNamedCode(u64 code, std::span<const EnumName> names)
{
    for (const EnumName& n : names) {
        if (n.code == code)
            return true;
    }
    return false;
}

u64 ReadFieldValue(const JsonValue& value, const std::string& path, FieldKind kind, u64 max, std::span<const EnumName> names)
{
    switch (kind) {
    case FieldKind::Number:
        return AsUnsigned(value, path, max);
    case FieldKind::Bool:
        return AsBool(value, path) ? 1 : 0;
    case FieldKind::ByteFlag:
        if (value.is_bool())
            return AsBool(value, path) ? 1 : 0;
        if (!value.is_int64() && !value.is_uint64())
            Fail(path, "expected true, false or a whole number from 0 to " + std::to_string(max));
        return AsUnsigned(value, path, max);
    case FieldKind::Hex:
        return AsHex(value, path, max);
    case FieldKind::StripKb:
        return StripCodeFromKb(value, path);
    case FieldKind::Enum:
        break;
    }
    u64 code = 0;
    if (FindName(value, names, code))
        return code;
    std::string choices;
    for (const EnumName& n : names)
        choices += (choices.empty() ? "\"" : ", \"") + std::string(n.name) + "\"";
    Fail(path, "expected one of " + choices);
}

u64 ReadChoice(ObjectReader& reader, std::string_view key, std::span<const EnumName> names, u64 fallback)
{
    const auto value = reader.Take(key);
    if (!value)
        return fallback;
    u64 code = 0;  // a known name needs no path; a fault does
    return FindName(*value, names, code) ? code : ReadFieldValue(*value, reader.PathOf(key), FieldKind::Enum, 255, names);
}

Json FieldValueJson(u64 value, FieldKind kind, std::span<const EnumName> names)
{
    switch (kind) {
    case FieldKind::Number:
        return value;
    case FieldKind::Bool:
        return value != 0;
    case FieldKind::ByteFlag:
        return value <= 1 ? Json(value != 0) : Json(value);
    case FieldKind::Hex:
        return HexText(value, 16);
    case FieldKind::StripKb:
        if (value == 0)
            return 0.5;
        return value <= kMaxStripCode ? Json(u64{1} << (value - 1)) : Json(value);
    case FieldKind::Enum:
        for (const EnumName& n : names) {
            if (n.code == value)
                return n.name;
        }
        return value;
    }
    return value;
}

}  // namespace sim
