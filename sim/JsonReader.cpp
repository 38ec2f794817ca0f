#include "JsonReader.h"

#include <cctype>
#include <cstring>

namespace sim {

void Fail(const std::string& path, const std::string& what) { throw StateError(path + ": " + what); }

u64 AsUnsigned(const Json& value, const std::string& path, u64 max)
{
    if (!value.is_number_integer())
        Fail(path, "expected a whole number from 0 to " + std::to_string(max));
    if (value.is_number_unsigned()) {
        const u64 n = value.get<u64>();
        if (n <= max)
            return n;
    } else if (value.get<std::int64_t>() >= 0 && static_cast<u64>(value.get<std::int64_t>()) <= max) {
        return static_cast<u64>(value.get<std::int64_t>());
    }
    Fail(path, "expected a whole number from 0 to " + std::to_string(max));
}

namespace {

// A text "0x..." of at most 16 hexadecimal digits whose value is at most `max`.
bool ParseHexText(const std::string& text, u64 max, u64& n)
{
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    n = 0;
    bool fits = prefixed && text.size() <= 2 + 16;
    for (std::size_t i = 2; fits && i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isxdigit(c)) {
            fits = false;
            break;
        }
        n = (n << 4) | static_cast<u64>(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    return fits && n <= max;
}

// The common cases of the readers below, checked without building the field's path (which
// only a fault needs).
bool IsUnsignedUpTo(const Json& value, u64 max) { return value.is_number_unsigned() && value.get<u64>() <= max; }

bool IsTextUpTo(const Json& value, std::size_t maxLength)
{
    if (!value.is_string())
        return false;
    const std::string& text = value.get_ref<const std::string&>();
    return text.size() <= maxLength && text.find('\0') == std::string::npos;
}

// An object's fields in file order, by place.
const Json::object_t::Container& FieldsOf(const Json& object) { return object.get_ref<const Json::object_t&>(); }

}  // namespace

u64 AsHex(const Json& value, const std::string& path, u64 max)
{
    if (!value.is_string())
        return AsUnsigned(value, path, max);
    u64 n = 0;
    if (!ParseHexText(value.get_ref<const std::string&>(), max, n))
        Fail(path, "expected a number or a hexadecimal text \"0x...\" up to " + std::to_string(max));
    return n;
}

bool AsBool(const Json& value, const std::string& path)
{
    if (!value.is_boolean())
        Fail(path, "expected true or false");
    return value.get<bool>();
}

std::string AsText(const Json& value, const std::string& path, std::size_t maxLength)
{
    if (!value.is_string())
        Fail(path, "expected a text");
    const std::string& text = value.get_ref<const std::string&>();
    if (text.size() > maxLength)
        Fail(path, "text longer than " + std::to_string(maxLength) + " bytes");
    if (text.find('\0') != std::string::npos)
        Fail(path, "text holds a NUL character");
    return text;
}

const Json& AsArray(const Json& value, const std::string& path, std::size_t maxItems)
{
    if (!value.is_array())
        Fail(path, "expected a list");
    if (value.size() > maxItems)
        Fail(path, "more than " + std::to_string(maxItems) + " entries");
    return value;
}

ObjectReader::ObjectReader(const Json& object, std::string path) : object_(object), path_(std::move(path))
{
    if (!object_.is_object())
        Fail(path_.empty() ? "state" : path_, "expected an object");
    taken_.assign(object_.size(), false);
}

std::string ObjectReader::PathOf(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

// An object holds each key once; the search starts after the field found last and wraps around.
const Json* ObjectReader::Take(const char* key)
{
    const auto& fields = FieldsOf(object_);
    const std::size_t count = fields.size();
    const std::size_t length = std::strlen(key);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t i = next_ + k < count ? next_ + k : next_ + k - count;
        const std::string& name = fields[i].first;
        if (name.size() == length && std::memcmp(name.data(), key, length) == 0) {
            taken_[i] = true;
            next_ = i + 1 < count ? i + 1 : 0;
            return &fields[i].second;
        }
    }
    return nullptr;
}

u64 ObjectReader::Unsigned(const char* key, u64 max, u64 fallback)
{
    const Json* value = Take(key);
    if (value == nullptr)
        return fallback;
    return IsUnsignedUpTo(*value, max) ? value->get<u64>() : AsUnsigned(*value, PathOf(key), max);
}

u64 ObjectReader::Hex(const char* key, u64 max, u64 fallback)
{
    const Json* value = Take(key);
    if (value == nullptr)
        return fallback;
    if (IsUnsignedUpTo(*value, max))
        return value->get<u64>();
    u64 n = 0;
    if (value->is_string() && ParseHexText(value->get_ref<const std::string&>(), max, n))
        return n;
    return AsHex(*value, PathOf(key), max);
}

bool ObjectReader::Bool(const char* key, bool fallback)
{
    const Json* value = Take(key);
    if (value == nullptr)
        return fallback;
    return value->is_boolean() ? value->get<bool>() : AsBool(*value, PathOf(key));
}

std::string ObjectReader::Text(const char* key, std::size_t maxLength, const std::string& fallback)
{
    const Json* value = Take(key);
    if (value == nullptr)
        return fallback;
    return IsTextUpTo(*value, maxLength) ? value->get_ref<const std::string&>() : AsText(*value, PathOf(key), maxLength);
}

void ObjectReader::Finish() const
{
    const auto& fields = FieldsOf(object_);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!taken_[i])
            Fail(path_.empty() ? "state" : path_, "unknown field \"" + fields[i].first + "\"");
    }
}

}  // namespace sim
