// Reading a hand-written state file safely: every value is checked for its type and range as it
// is read, every object is checked for fields nobody reads, and each fault is reported as a
// StateError naming the field's path (for example "controllers[0].info.memory_mb: ...").
//
// The text is parsed once (ReadJson) and the readers fill the model straight from the parsed
// document. Each part of the model has a reader and a writer side by side (StateFormat.h lists
// them), and a new field costs one line in each:
//
//   battery.cycles = r.Unsigned("cycles", 0xFFFF, 0);   // reader: ReadBattery(ObjectReader& r, ...)
//   out["cycles"] = battery.cycles;                      // writer: WriteBattery(...) -> Json
//
// The last argument is the value when the field is absent; Unsigned and Hex also take the largest
// value allowed, Text the longest text in bytes, and Bool just the fallback. Names from a fixed
// set: ReadChoice with a table of EnumName (FieldTable.h). A nested object: ReadObject(r, "learn",
// [&](ObjectReader& learn) { ... }). A list: ReadList(r, "packs", kMaxPacks, [&](const JsonValue&
// item, const std::string& path) { ... }), its items read with the As... functions or with an
// ObjectReader of their own and Finish. Finish refuses a field that no reader took, so a field read
// only in some cases must still be taken in the others (Take alone marks it read). Fail reports a
// fault of the reader's own, with r.PathOf(key) as the path.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <simdjson.h>

#include "Model.h"

namespace sim {

class StateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what);

// A value of a parsed document; valid while the document is.
using JsonValue = simdjson::dom::element;

// Parses `text` and reads it with `read(root)`. A text that is no JSON throws StateError with the
// fault and where it lies ("parse error at line 3, column 19: ..."). An object that holds a key
// twice is read with the key's last value. `text` may gain capacity (the parser reads a little
// past the end).
void ReadJson(std::string& text, const std::function<void(const JsonValue& root)>& read);
// The same for a text followed by at least simdjson::SIMDJSON_PADDING bytes that may be read.
void ReadPaddedJson(std::string_view text, const std::function<void(const JsonValue& root)>& read);

// Single values; `path` names the value in messages.
u64 AsUnsigned(const JsonValue& value, const std::string& path, u64 max);
// A whole number from `min` to `max`, which may be negative.
std::int64_t AsSigned(const JsonValue& value, const std::string& path, std::int64_t min, std::int64_t max);
// A number, or a text "0x..." of hexadecimal digits.
u64 AsHex(const JsonValue& value, const std::string& path, u64 max);
bool AsBool(const JsonValue& value, const std::string& path);
std::string AsText(const JsonValue& value, const std::string& path, std::size_t maxLength);
simdjson::dom::array AsArray(const JsonValue& value, const std::string& path, std::size_t maxItems);
// The text of a value known to be a text.
std::string_view TextOf(const JsonValue& value);
// A fraction (a number written with a point or an exponent) and its value.
bool IsFraction(const JsonValue& value, double& number);

class ObjectReader {
public:
    // `path` names the object in faults. A path given as a string that outlives the reader is
    // used where it stands (a list's items are read with one path text); a temporary is kept.
    ObjectReader(const JsonValue& object, const std::string& path);
    ObjectReader(const JsonValue& object, std::string&& path);
    // The object field `key` of `parent`, which outlives it: its path is built only when a
    // fault names it.
    ObjectReader(const JsonValue& object, const ObjectReader& parent, std::string_view key);
    ObjectReader(const ObjectReader&) = delete;
    ObjectReader& operator=(const ObjectReader&) = delete;

    // The value of a field, or nothing when it is absent. Marks the field as read; taking the same
    // key again right away gives the same field.
    std::optional<JsonValue> Take(std::string_view key);
    std::string PathOf(std::string_view key) const;
    const std::string& Path() const;

    u64 Unsigned(std::string_view key, u64 max, u64 fallback);
    u64 Hex(std::string_view key, u64 max, u64 fallback);
    std::int64_t Signed(std::string_view key, std::int64_t min, std::int64_t max, std::int64_t fallback);
    bool Bool(std::string_view key, bool fallback);
    std::string Text(std::string_view key, std::size_t maxLength, const std::string& fallback = "");
    // A value taken from the field `key` as a whole number up to `max`.
    u64 UnsignedOf(const JsonValue& value, std::string_view key, u64 max) const;

    // Fails when the object holds a field that was not read.
    void Finish() const;

private:
    // A field of the object, found once when the reader is made.
    struct Field {
        std::string_view key;
        simdjson::dom::object::iterator at;
        bool taken = false;
    };
    static constexpr std::size_t kInlineFields = 40;
    static constexpr std::size_t kKeyBits = 256;

    bool Equal(std::size_t i, std::string_view key) const
    {
        return fields_[i].key.size() == key.size() && std::memcmp(fields_[i].key.data(), key.data(), key.size()) == 0;
    }
    std::optional<JsonValue> TakeLast(std::string_view key);
    // A bit per key of the object, by its length and letters: a key whose bit is clear is absent,
    // and so optional fields that are not given cost no search.
    static std::size_t KeyBit(std::string_view key);
    bool MayHold(std::string_view key) const
    {
        const std::size_t bit = KeyBit(key);
        return ((keyBits_[bit / 64] >> (bit % 64)) & 1) != 0;
    }

    void Gather(const JsonValue& object);

    mutable std::string path_;
    const std::string* borrowed_ = nullptr;  // the caller's path, when it outlives the reader
    mutable const ObjectReader* parent_ = nullptr;  // while the path is not built
    std::string_view key_;
    std::size_t count_ = 0;
    // Fields are mostly read in file order: the search for the next starts after the one found
    // last, at `next_`, and wraps around.
    std::size_t next_ = 0;
    std::size_t last_ = 0;  // the field found last (count_ when none)
    Field* fields_;
    // The fields of a small object, made as they are found (no work for the unused ones).
    alignas(Field) unsigned char inline_[kInlineFields * sizeof(Field)];
    std::vector<Field> more_;  // objects of more fields
    std::uint64_t keyBits_[kKeyBits / 64] = {};
};

// A whole number up to 0xFFFFFFFF, 0 when the field is absent.
u32 ReadU32(ObjectReader& reader, std::string_view key);

// Reads the optional object field `key` with `read(ObjectReader&)` and checks it for unknown fields.
template <class Read>
void ReadObject(ObjectReader& parent, std::string_view key, Read read)
{
    if (const auto value = parent.Take(key)) {
        ObjectReader reader(*value, parent, key);
        read(reader);
        reader.Finish();
    }
}

// Reads the list `value` (at most `maxItems` entries) item by item with
// `read(const JsonValue& item, const std::string& itemPath)`.
template <class Read>
void ReadItems(const JsonValue& value, const std::string& path, std::size_t maxItems, Read read)
{
    std::string itemPath;  // one text for all items, so that long lists build no new ones
    std::size_t i = 0;
    for (const JsonValue item : AsArray(value, path, maxItems)) {
        if (i == 0) {
            itemPath.reserve(path.size() + 16);
            itemPath = path;
        }
        itemPath.resize(path.size());
        itemPath += '[';
        itemPath += std::to_string(i++);
        itemPath += ']';
        read(item, itemPath);
    }
}

// Reads the optional list field `key` (at most `maxItems` entries) item by item with
// `read(const JsonValue& item, const std::string& itemPath)`.
template <class Read>
void ReadList(ObjectReader& parent, std::string_view key, std::size_t maxItems, Read read)
{
    if (const auto value = parent.Take(key))
        ReadItems(*value, parent.PathOf(key), maxItems, read);
}

}  // namespace sim
