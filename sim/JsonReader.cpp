#include "JsonReader.h"

#include <cctype>

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

u64 AsHex(const Json& value, const std::string& path, u64 max)
{
    if (!value.is_string())
        return AsUnsigned(value, path, max);
    const std::string& text = value.get_ref<const std::string&>();
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    u64 n = 0;
    bool fits = prefixed && text.size() <= 2 + 16;
    for (std::size_t i = 2; fits && i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isxdigit(c)) {
            fits = false;
            break;
        }
        n = (n << 4) | static_cast<u64>(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    if (!fits || n > max)
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
}

std::string ObjectReader::PathOf(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

const Json* ObjectReader::Take(const char* key)
{
    taken_.insert(key);
    const auto it = object_.find(key);
    return it == object_.end() ? nullptr : &*it;
}

u64 ObjectReader::Unsigned(const char* key, u64 max, u64 fallback)
{
    const Json* value = Take(key);
    return value != nullptr ? AsUnsigned(*value, PathOf(key), max) : fallback;
}

u64 ObjectReader::Hex(const char* key, u64 max, u64 fallback)
{
    const Json* value = Take(key);
    return value != nullptr ? AsHex(*value, PathOf(key), max) : fallback;
}

bool ObjectReader::Bool(const char* key, bool fallback)
{
    const Json* value = Take(key);
    return value != nullptr ? AsBool(*value, PathOf(key)) : fallback;
}

std::string ObjectReader::Text(const char* key, std::size_t maxLength, const std::string& fallback)
{
    const Json* value = Take(key);
    return value != nullptr ? AsText(*value, PathOf(key), maxLength) : fallback;
}

void ObjectReader::Finish() const
{
    for (auto it = object_.begin(); it != object_.end(); ++it) {
        if (taken_.count(it.key()) == 0)
            Fail(path_.empty() ? "state" : path_, "unknown field \"" + it.key() + "\"");
    }
}

}  // namespace sim
