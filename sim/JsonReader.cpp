#include "JsonReader.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>
#include <type_traits>

namespace sim {

// A fault is one line: control characters of keys and texts from the file are written as escapes.
void Fail(const std::string& path, const std::string& what)
{
    const std::string text = path + ": " + what;
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) {
            line += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", u);
            line += escape;
        }
    }
    throw StateError(line);
}

namespace {

using simdjson::dom::element_type;

// How objects look a key up. Within ReadJson a key is first taken where it is found; a key that an
// object holds twice is then noticed by Finish, or may have given a fault, and the document is read
// again. Otherwise, and on that second reading, every occurrence is taken and the last one counts.
// The library serves one session per process on the caller's thread, so a plain flag does (a
// thread-local one gives the loaded library a dynamic TLS block, which LeakSanitizer misreads in
// the test process that loads it).
bool t_firstFound = false;

struct RepeatedKey {};

// nlohmann's messages begin with "[json.exception.parse_error.101] "; the rest says where.
std::string WithoutExceptionId(const std::string& what)
{
    const std::size_t end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

// Words a parse fault: nlohmann's parser reads the text without building anything and says what
// it found where. Empty when it finds no fault.
std::string ParseFault(std::string_view text)
{
    struct Sax : nlohmann::json_sax<Json> {
        std::string fault;
        bool null() override { return true; }
        bool boolean(bool) override { return true; }
        bool number_integer(number_integer_t) override { return true; }
        bool number_unsigned(number_unsigned_t) override { return true; }
        bool number_float(number_float_t, const string_t&) override { return true; }
        bool string(string_t&) override { return true; }
        bool binary(binary_t&) override { return true; }
        bool start_object(std::size_t) override { return true; }
        bool key(string_t&) override { return true; }
        bool end_object() override { return true; }
        bool start_array(std::size_t) override { return true; }
        bool end_array() override { return true; }
        bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override
        {
            fault = WithoutExceptionId(e.what());
            return false;
        }
    } sax;
    Json::sax_parse(text.begin(), text.end(), &sax);
    return sax.fault;
}

bool Digits(std::string_view a, std::string_view b) { return a.size() != b.size() ? a.size() > b.size() : a > b; }

// The text with every whole number beyond 64 bits given an exponent ("100000000000000000000e0"),
// which makes it the fraction that such a number is read as elsewhere: the parser refuses whole
// numbers it cannot hold, and the readers then name the field that holds one.
std::string WidenLongIntegers(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 64);
    bool inText = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (inText) {
            out += c;
            if (c == '\\' && i + 1 < text.size())
                out += text[++i];
            else if (c == '"')
                inText = false;
            ++i;
            continue;
        }
        if (c == '"')
            inText = true;
        if (c != '-' && !std::isdigit(static_cast<unsigned char>(c))) {
            out += c;
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && std::strchr("0123456789.eE+-", text[end]) != nullptr && text[end] != '\0')
            ++end;
        const std::string_view number = text.substr(i, end - i);
        out += number;
        if (number.find_first_of(".eE") == std::string_view::npos) {
            const bool negative = number[0] == '-';
            if (negative ? Digits(number.substr(1), "9223372036854775808") : Digits(number, "18446744073709551615"))
                out += "e0";
        }
        i = end;
    }
    return out;
}

// A text begins with a byte order mark that the parser does not take.
std::size_t ByteOrderMark(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

// `text` is followed by the parser's padding; `widened` keeps a text that had to be rewritten.
JsonValue Parse(simdjson::dom::parser& parser, std::string_view text, std::string& widened)
{
    const std::size_t skip = ByteOrderMark(text);
    auto parsed = parser.parse(text.data() + skip, text.size() - skip, false);
    if (parsed.error() == simdjson::SUCCESS)
        return parsed.value_unsafe();
    const std::string fault = ParseFault(text);
    if (!fault.empty())
        throw StateError(fault);
    if (parsed.error() == simdjson::NUMBER_ERROR) {
        widened = WidenLongIntegers(text.substr(skip));
        widened.reserve(widened.size() + simdjson::SIMDJSON_PADDING);
        parsed = parser.parse(widened.data(), widened.size(), false);
        if (parsed.error() == simdjson::SUCCESS)
            return parsed.value_unsafe();
    }
    throw StateError(std::string("parse error: ") + simdjson::error_message(parsed.error()));
}

// A text "0x..." of at most 16 hexadecimal digits whose value is at most `max`.
bool ParseHexText(std::string_view text, u64 max, u64& n)
{
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    n = 0;
    bool fits = prefixed && text.size() <= 2 + 16;
    for (std::size_t i = 2; fits && i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            fits = false;
        n = (n << 4) | digit;
    }
    return fits && n <= max;
}

// The common cases of the readers below, checked without building the field's path (which
// only a fault needs).
[[gnu::always_inline]] inline bool IsUnsignedUpTo(const JsonValue& value, u64 max, u64& n)
{
    switch (value.type()) {
    case element_type::INT64: {
        const std::int64_t i = value.get_int64().value_unsafe();
        n = static_cast<u64>(i);
        return i >= 0 && n <= max;
    }
    case element_type::UINT64:
        n = value.get_uint64().value_unsafe();
        return n <= max;
    default:
        return false;
    }
}

[[gnu::always_inline]] inline bool IsTextUpTo(const JsonValue& value, std::size_t maxLength)
{
    if (value.type() != element_type::STRING)
        return false;
    const std::string_view text = TextOf(value);
    return text.size() <= maxLength && text.find('\0') == std::string_view::npos;
}

}  // namespace

void ReadJson(std::string& text, const std::function<void(const JsonValue& root)>& read)
{
    if (text.capacity() < text.size() + simdjson::SIMDJSON_PADDING)
        text.reserve(text.size() + simdjson::SIMDJSON_PADDING);
    ReadPaddedJson(text, read);
}

void ReadPaddedJson(std::string_view text, const std::function<void(const JsonValue& root)>& read)
{
    simdjson::dom::parser parser;
    std::string widened;
    const JsonValue root = Parse(parser, text, widened);
    struct Mode {
        bool outer = t_firstFound;
        ~Mode() { t_firstFound = outer; }
    } mode;
    t_firstFound = true;
    try {
        read(root);
        return;
    } catch (const RepeatedKey&) {
    } catch (const StateError&) {  // perhaps from a value that a later one of its key replaces
    }
    t_firstFound = false;
    read(root);
}

u64 AsUnsigned(const JsonValue& value, const std::string& path, u64 max)
{
    u64 n = 0;
    if (!IsUnsignedUpTo(value, max, n))
        Fail(path, "expected a whole number from 0 to " + std::to_string(max));
    return n;
}

std::int64_t AsSigned(const JsonValue& value, const std::string& path, std::int64_t min, std::int64_t max)
{
    const auto number = value.get_int64();
    if (number.error() != simdjson::SUCCESS || number.value_unsafe() < min || number.value_unsafe() > max)
        Fail(path, "expected a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return number.value_unsafe();
}

u64 AsHex(const JsonValue& value, const std::string& path, u64 max)
{
    if (value.type() != element_type::STRING)
        return AsUnsigned(value, path, max);
    u64 n = 0;
    if (!ParseHexText(TextOf(value), max, n))
        Fail(path, "expected a number or a hexadecimal text \"0x...\" up to " + std::to_string(max));
    return n;
}

bool AsBool(const JsonValue& value, const std::string& path)
{
    if (value.type() != element_type::BOOL)
        Fail(path, "expected true or false");
    return value.get_bool().value_unsafe();
}

std::string AsText(const JsonValue& value, const std::string& path, std::size_t maxLength)
{
    if (value.type() != element_type::STRING)
        Fail(path, "expected a text");
    const std::string_view text = TextOf(value);
    if (text.size() > maxLength)
        Fail(path, "text longer than " + std::to_string(maxLength) + " bytes");
    if (text.find('\0') != std::string_view::npos)
        Fail(path, "text holds a NUL character");
    return std::string(text);
}

simdjson::dom::array AsArray(const JsonValue& value, const std::string& path, std::size_t maxItems)
{
    if (value.type() != element_type::ARRAY)
        Fail(path, "expected a list");
    const simdjson::dom::array list = value.get_array().value_unsafe();
    if (list.size() > maxItems)
        Fail(path, "more than " + std::to_string(maxItems) + " entries");
    return list;
}

std::string_view TextOf(const JsonValue& value) { return value.get_string().value_unsafe(); }

bool IsFraction(const JsonValue& value, double& number)
{
    if (value.type() != element_type::DOUBLE)
        return false;
    number = value.get_double().value_unsafe();
    return true;
}

ObjectReader::ObjectReader(const JsonValue& object, const std::string& path) : borrowed_(&path) { Gather(object); }

ObjectReader::ObjectReader(const JsonValue& object, std::string&& path) : path_(std::move(path)) { Gather(object); }

ObjectReader::ObjectReader(const JsonValue& object, const ObjectReader& parent, std::string_view key)
    : parent_(&parent), key_(key)
{
    Gather(object);
}

const std::string& ObjectReader::Path() const
{
    if (borrowed_ != nullptr)
        return *borrowed_;
    if (parent_ != nullptr) {
        path_ = parent_->PathOf(key_);
        parent_ = nullptr;
    }
    return path_;
}

// Flattened: the parser's accessors stay inlined in this loop over every field of the state,
// also where the compiler would stop inlining (a unity build's large translation units).
[[gnu::flatten]] void ObjectReader::Gather(const JsonValue& object)
{
    if (object.type() != element_type::OBJECT)
        Fail(Path().empty() ? "state" : Path(), "expected an object");
    const simdjson::dom::object fields = object.get_object().value_unsafe();
    const std::size_t size = fields.size();  // saturates at 0xFFFFFF; then the walk below counts
    if (size > kInlineFields) {
        more_.reserve(size);
        for (auto it = fields.begin(); it != fields.end(); ++it)
            more_.push_back({it.key(), it, false});
        fields_ = more_.data();
        count_ = more_.size();
    } else {
        static_assert(std::is_trivially_destructible_v<Field>);
        fields_ = reinterpret_cast<Field*>(inline_);
        for (auto it = fields.begin(); it != fields.end(); ++it)
            new (&fields_[count_++]) Field{it.key(), it, false};
    }
    for (std::size_t i = 0; i < count_; ++i) {
        const std::size_t bit = KeyBit(fields_[i].key);
        keyBits_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    last_ = count_;
}

std::string ObjectReader::PathOf(std::string_view key) const
{
    const std::string& at = Path();
    if (at.empty())
        return std::string(key);
    std::string path;
    path.reserve(at.size() + 1 + key.size() + 16);  // room for an item's index
    path += at;
    path += '.';
    path += key;
    return path;
}

std::size_t ObjectReader::KeyBit(std::string_view key)
{
    if (key.empty())
        return 0;
    const auto at = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(key[i])); };
    const unsigned hash = static_cast<unsigned>(key.size()) * 61u + at(0) * 7u + at(key.size() / 2) * 3u +
                          at(key.size() - 1);
    return hash % kKeyBits;
}

std::optional<JsonValue> ObjectReader::Take(std::string_view key)
{
    // Fields are mostly read in file order: the next one is the key sought, unless the key was
    // taken last (which gives that field again).
    if (t_firstFound && next_ < count_ && Equal(next_, key) && !(last_ < count_ && Equal(last_, key))) {
        const std::size_t i = next_;
        next_ = next_ + 1 == count_ ? 0 : next_ + 1;
        fields_[i].taken = true;
        last_ = i;
        return fields_[i].at.value();
    }
    if (!MayHold(key))
        return std::nullopt;
    if (last_ < count_ && Equal(last_, key))
        return fields_[last_].at.value();
    if (!t_firstFound)
        return TakeLast(key);
    for (std::size_t k = 0; k < count_; ++k) {
        const std::size_t i = next_;
        next_ = next_ + 1 == count_ ? 0 : next_ + 1;
        if (Equal(i, key)) {
            fields_[i].taken = true;
            last_ = i;
            return fields_[i].at.value();
        }
    }
    return std::nullopt;
}

// Every occurrence of the key is taken; the last one counts.
std::optional<JsonValue> ObjectReader::TakeLast(std::string_view key)
{
    for (std::size_t i = 0; i < count_; ++i) {
        if (Equal(i, key)) {
            fields_[i].taken = true;
            last_ = i;
        }
    }
    if (last_ < count_ && Equal(last_, key))
        return fields_[last_].at.value();
    return std::nullopt;
}

u64 ObjectReader::Unsigned(std::string_view key, u64 max, u64 fallback)
{
    const auto value = Take(key);
    u64 n = 0;
    if (!value)
        return fallback;
    return IsUnsignedUpTo(*value, max, n) ? n : AsUnsigned(*value, PathOf(key), max);
}

u64 ObjectReader::UnsignedOf(const JsonValue& value, std::string_view key, u64 max) const
{
    u64 n = 0;
    return IsUnsignedUpTo(value, max, n) ? n : AsUnsigned(value, PathOf(key), max);
}

std::int64_t ObjectReader::Signed(std::string_view key, std::int64_t min, std::int64_t max, std::int64_t fallback)
{
    const auto value = Take(key);
    return value ? AsSigned(*value, PathOf(key), min, max) : fallback;
}

u64 ObjectReader::Hex(std::string_view key, u64 max, u64 fallback)
{
    const auto value = Take(key);
    if (!value)
        return fallback;
    u64 n = 0;
    if (IsUnsignedUpTo(*value, max, n))
        return n;
    if (value->type() == element_type::STRING && ParseHexText(TextOf(*value), max, n))
        return n;
    return AsHex(*value, PathOf(key), max);
}

bool ObjectReader::Bool(std::string_view key, bool fallback)
{
    const auto value = Take(key);
    if (!value)
        return fallback;
    return value->type() == element_type::BOOL ? value->get_bool().value_unsafe() : AsBool(*value, PathOf(key));
}

std::string ObjectReader::Text(std::string_view key, std::size_t maxLength, const std::string& fallback)
{
    const auto value = Take(key);
    if (!value)
        return fallback;
    return IsTextUpTo(*value, maxLength) ? std::string(TextOf(*value)) : AsText(*value, PathOf(key), maxLength);
}

void ObjectReader::Finish() const
{
    for (std::size_t i = 0; i < count_; ++i) {
        if (fields_[i].taken)
            continue;
        if (t_firstFound) {  // a field given twice, of which the other one was taken?
            for (std::size_t other = 0; other < count_; ++other) {
                if (other != i && Equal(other, fields_[i].key))
                    throw RepeatedKey{};
            }
        }
        Fail(Path().empty() ? "state" : Path(), "unknown field \"" + std::string(fields_[i].key) + "\"");
    }
}

u32 ReadU32(ObjectReader& reader, std::string_view key)
{
    return static_cast<u32>(reader.Unsigned(key, 0xFFFFFFFF, 0));
}

}  // namespace sim
