// Reading a hand-written state file safely: every value is checked for its type and range as it
// is read, every object is checked for fields nobody reads, and each fault is reported as a
// StateError naming the field's path (for example "controllers[0].info.memory_mb: ...").
#pragma once
#include <cstddef>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Model.h"

namespace sim {

class StateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what);

// Single values; `path` names the value in messages.
u64 AsUnsigned(const Json& value, const std::string& path, u64 max);
// A number, or a text "0x..." of hexadecimal digits.
u64 AsHex(const Json& value, const std::string& path, u64 max);
bool AsBool(const Json& value, const std::string& path);
std::string AsText(const Json& value, const std::string& path, std::size_t maxLength);
const Json& AsArray(const Json& value, const std::string& path, std::size_t maxItems);

class ObjectReader {
public:
    ObjectReader(const Json& object, std::string path);

    // The value of a field, or null when it is absent. Marks the field as read.
    const Json* Take(const char* key);
    std::string PathOf(const char* key) const;
    const std::string& Path() const { return path_; }

    u64 Unsigned(const char* key, u64 max, u64 fallback);
    u64 Hex(const char* key, u64 max, u64 fallback);
    bool Bool(const char* key, bool fallback);
    std::string Text(const char* key, std::size_t maxLength, const std::string& fallback = "");

    // Fails when the object holds a field that was not read.
    void Finish() const;

private:
    const Json& object_;
    std::string path_;
    std::vector<bool> taken_;  // by the field's place in the object
    std::size_t next_ = 0;     // where the next search starts: fields are mostly read in file order
};

// Reads the optional object field `key` with `read(ObjectReader&)` and checks it for unknown fields.
template <class Read>
void ReadObject(ObjectReader& parent, const char* key, Read read)
{
    if (const Json* value = parent.Take(key)) {
        ObjectReader reader(*value, parent.PathOf(key));
        read(reader);
        reader.Finish();
    }
}

// Reads the optional list field `key` (at most `maxItems` entries) item by item with
// `read(const Json& item, const std::string& itemPath)`.
template <class Read>
void ReadList(ObjectReader& parent, const char* key, std::size_t maxItems, Read read)
{
    if (const Json* value = parent.Take(key)) {
        const std::string path = parent.PathOf(key);
        const Json& list = AsArray(*value, path, maxItems);
        std::string itemPath = path;  // one text for all items, so that long lists build no new ones
        for (std::size_t i = 0; i < list.size(); ++i) {
            itemPath.resize(path.size());
            itemPath += '[';
            itemPath += std::to_string(i);
            itemPath += ']';
            read(list[i], itemPath);
        }
    }
}

}  // namespace sim
