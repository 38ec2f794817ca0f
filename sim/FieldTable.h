// Tables of named scalar fields: one row per field gives its state-file name, its member in the
// model and how its value is written in the state file. Reading checks every value against its
// row; writing gives the canonical form.
#pragma once
#include <span>
#include <string>

#include "JsonReader.h"

namespace sim {

enum class FieldKind : u8 {
    Number,   // a whole number up to `max`
    Bool,     // true or false, held as 1 or 0
    Enum,     // one of the names of `names`, held as its code
    StripKb,  // a strip size in KB (0.5 for 512 bytes), held as its code: 0 = 512 bytes, n = 2^(n-1) KB
    Hex,      // a number, written as hexadecimal text
    ByteFlag, // a byte mostly used as a flag: true or false (1 or 0), or a number up to `max`
};

struct EnumName {
    const char* name;
    u8 code;
};

template <class T>
struct FieldDef {
    const char* name;
    u64 T::*member;
    FieldKind kind;
    u64 max;
    std::span<const EnumName> names;
};

template <class T>
constexpr FieldDef<T> NumberField(const char* name, u64 T::*member, u64 max)
{
    return {name, member, FieldKind::Number, max, {}};
}
template <class T>
constexpr FieldDef<T> BoolField(const char* name, u64 T::*member)
{
    return {name, member, FieldKind::Bool, 1, {}};
}
template <class T>
constexpr FieldDef<T> EnumField(const char* name, u64 T::*member, std::span<const EnumName> names)
{
    return {name, member, FieldKind::Enum, 255, names};
}

constexpr u64 kMaxStripCode = 31;

u64 ReadFieldValue(const JsonValue& value, const std::string& path, FieldKind kind, u64 max, std::span<const EnumName> names);
// The optional field `key` as one of the names; `fallback` when it is absent.
u64 ReadChoice(ObjectReader& reader, std::string_view key, std::span<const EnumName> names, u64 fallback);
Json FieldValueJson(u64 value, FieldKind kind, std::span<const EnumName> names);
// "0x" and `digits` upper-case hexadecimal digits.
std::string HexText(u64 value, int digits);
// A field of bytes written as pairs of hexadecimal digits (either case), at most `maxBytes`;
// an empty text or one with an odd digit count or another character is refused.
std::vector<u8> ReadHexBytes(ObjectReader& reader, const char* key, std::size_t maxBytes);
// The bytes as pairs of upper-case hexadecimal digits.
std::string HexDigits(const u8* bytes, std::size_t count);
// True when the code has a name in the list.
bool IsNamedCode(u64 code, std::span<const EnumName> names);

template <class T>
void ReadFields(ObjectReader& reader, T& target, std::span<const FieldDef<T>> fields)
{
    for (const FieldDef<T>& field : fields) {
        if (const auto value = reader.Take(field.name))
            target.*field.member = ReadFieldValue(*value, reader.PathOf(field.name), field.kind, field.max, field.names);
    }
}

template <class T>
Json WriteFields(const T& source, std::span<const FieldDef<T>> fields)
{
    Json out = Json::object();
    for (const FieldDef<T>& field : fields)
        out[field.name] = FieldValueJson(source.*field.member, field.kind, field.names);
    return out;
}

}  // namespace sim
