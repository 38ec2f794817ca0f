// The state file's reader against nlohmann's parser as the reference: a text nlohmann reads is read
// to the same values (types, texts, a key given twice), a text it refuses is refused with its
// message, and a damaged state file that still parses reads as the same document written plainly.
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "fuzz/StateReaderFuzz.h"
#include "sim/JsonReader.h"

namespace {

using sim::JsonValue;
using simdjson::dom::element_type;

// The value as nlohmann holds it; a key given twice keeps its first place and its last value.
sim::Json ToNlohmann(const JsonValue& value)
{
    switch (value.type()) {
    case element_type::ARRAY: {
        sim::Json out = sim::Json::array();
        const simdjson::dom::array items = value.get_array().value_unsafe();
        for (const JsonValue item : items)
            out.push_back(ToNlohmann(item));
        return out;
    }
    case element_type::OBJECT: {
        sim::Json out = sim::Json::object();
        const simdjson::dom::object fields = value.get_object().value_unsafe();
        for (const auto field : fields)
            out[std::string(field.key)] = ToNlohmann(field.value);
        return out;
    }
    case element_type::INT64: {
        const std::int64_t n = value.get_int64().value_unsafe();
        return n >= 0 ? sim::Json(static_cast<std::uint64_t>(n)) : sim::Json(n);
    }
    case element_type::UINT64:
        return value.get_uint64().value_unsafe();
    case element_type::DOUBLE:
        return value.get_double().value_unsafe();
    case element_type::STRING:
        return std::string(sim::TextOf(value));
    case element_type::BOOL:
        return value.get_bool().value_unsafe();
    case element_type::NULL_VALUE:
        break;
    }
    return nullptr;
}

// Equal values of equal types, objects with their keys in the same order.
::testing::AssertionResult SameDocument(const sim::Json& a, const sim::Json& b, const std::string& at = "$")
{
    // Whole numbers count by value, signed or not ("-0" is 0).
    if (a.is_number_integer() && b.is_number_integer() && a == b)
        return ::testing::AssertionSuccess();
    if (a.type() != b.type())
        return ::testing::AssertionFailure() << at << ": " << a.type_name() << " against " << b.type_name();
    if (a.is_object()) {
        if (a.size() != b.size())
            return ::testing::AssertionFailure() << at << ": " << a.size() << " against " << b.size() << " keys";
        auto ib = b.begin();
        for (auto ia = a.begin(); ia != a.end(); ++ia, ++ib) {
            if (ia.key() != ib.key())
                return ::testing::AssertionFailure() << at << ": key " << ia.key() << " against " << ib.key();
            if (auto inner = SameDocument(ia.value(), ib.value(), at + "." + ia.key()); !inner)
                return inner;
        }
        return ::testing::AssertionSuccess();
    }
    if (a.is_array()) {
        if (a.size() != b.size())
            return ::testing::AssertionFailure() << at << ": " << a.size() << " against " << b.size() << " items";
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (auto inner = SameDocument(a[i], b[i], at + "[" + std::to_string(i) + "]"); !inner)
                return inner;
        }
        return ::testing::AssertionSuccess();
    }
    if (a != b)
        return ::testing::AssertionFailure() << at << ": " << a.dump() << " against " << b.dump();
    return ::testing::AssertionSuccess();
}

// nlohmann's fault for the text without its exception id, or "" when it reads the text.
std::string NlohmannFault(const std::string& text)
{
    try {
        [[maybe_unused]] const sim::Json parsed = sim::Json::parse(text);
        return "";
    } catch (const sim::Json::exception& e) {
        const std::string what = e.what();
        return what.substr(what.find("] ") + 2);
    }
}

void ExpectReadAsNlohmann(std::string text)
{
    const sim::Json reference = sim::Json::parse(text);
    sim::Json read;
    sim::ReadJson(text, [&](const JsonValue& root) { read = ToNlohmann(root); });
    EXPECT_TRUE(SameDocument(read, reference)) << text;
}

void ExpectRefusedAsNlohmann(std::string text)
{
    const std::string fault = NlohmannFault(text);
    ASSERT_FALSE(fault.empty()) << text;
    try {
        sim::ReadJson(text, [](const JsonValue&) {});
        ADD_FAILURE() << "read: " << text;
    } catch (const sim::StateError& e) {
        EXPECT_EQ(e.what(), fault);
    }
}

const char* const kStateLike = R"({
  "format": 1,
  "clock": { "now": 763810200, "advance_per_run": 0 },
  "controllers": [
    {
      "pci": { "vendor": "0x7A4B", "device": "0x0001", "bus": 3 },
      "info": { "product_name": "QRV \"SAS\" RAID\\Controller 4000/x", "images": [], "limits": {} },
      "drives": [
        { "device_id": 8, "enclosure": 252, "slot": 0, "state": "online", "blocks": 2344225968,
          "sas_addresses": ["0x500A4B0000C0B001", "0x500A4B0000C0B002"], "ports": [0, 1],
          "smart_alert": false, "bridge": true, "serial": "tab\there\nline\r\bx\fy" },
        { "device_id": 9, "enclosure": null, "slot": 1, "blocks": 9999999999999999999 }
      ],
      "events": { "records": [[], [[]], {}, [{"a": [1, {"b": 0}]}]] }
    }
  ],
  "faults": [], "patches": []
}
)";

TEST(StateReaderTest, DocumentsAreReadAsNlohmannReadsThem)
{
    for (const char* text :
         {kStateLike, "{}", "[]", " \t\r\n[ ]\n", "0", "\"\"", "true", "null", R"({"z": 1, "a": 2, "m": {"y": [], "b": {}}})",
          "[0, 10, 1234567890123456789, 9999999999999999999, 18446744073709551615]",
          R"(["\/\\\"", "                         long text past the short buffer"])", "0.5", "1e3", "1E3", "-1", "-0",
          "-9223372036854775808", R"("\u00e9\ud83d\ude00")", "\"caf\xC3\xA9\"", R"(["a\u0000b"])", "\xEF\xBB\xBF{}",
          R"({"a":1,"a":2})", R"({"a":{"b":1,"c":2,"b":3}})"}) {
        ExpectReadAsNlohmann(text);
    }
    // Whole numbers beyond 64 bits are fractions, as nlohmann reads them.
    for (const char* text : {"18446744073709551616", "[-9223372036854775809, \"18446744073709551616\"]",
                             R"({"n": 123456789012345678901234567890})"}) {
        ExpectReadAsNlohmann(text);
    }
    ExpectReadAsNlohmann(std::string(128, '[') + std::string(128, ']'));
}

TEST(StateReaderTest, TextsThatAreNoJsonAreRefusedWithNlohmannsFault)
{
    for (const char* text :
         {"01", "00", "\"a\x01\"", "\"tab\tinside\"", R"("\x")", R"("\ud800")", R"("\udc00x")", "\"\xC3\"", "\"\xFF\"",
          "/* c */ {}", "{} // c", "[1,]", R"({"a":1,})", R"({"a" 1})", R"({a:1})", "[1 2]", "\"open", "[1", R"({"a":1)",
          "{} {}", "[] x", "", "   ", "tru", "nul", "True", "+1", ".5", "1.", "[--1]", "1e400", "\n\n  [ }"}) {
        ExpectRefusedAsNlohmann(text);
    }
    ExpectRefusedAsNlohmann(std::string("[\"a\0\"]", 6));

    // nlohmann stops at a NUL byte and ignores what follows; the reader refuses the text.
    std::string nul("[1]\0[", 5);
    EXPECT_TRUE(NlohmannFault(nul).empty());
    EXPECT_THROW(sim::ReadJson(nul, [](const JsonValue&) {}), sim::StateError);
}

// Reads `text` as one object with `read`, giving the value or the fault.
template <class Read>
std::string ReadObjectText(std::string text, Read read)
{
    std::string result;
    try {
        sim::ReadJson(text, [&](const JsonValue& root) {
            sim::ObjectReader r(root, "o");
            result = read(r);
            r.Finish();
        });
    } catch (const sim::StateError& e) {
        return e.what();
    }
    return result;
}

TEST(StateReaderTest, AKeyGivenTwiceHasItsLastValueInWhateverOrderFieldsAreRead)
{
    const auto ab = [](sim::ObjectReader& r) {
        const std::uint64_t a = r.Unsigned("a", 99, 0);
        return std::to_string(a) + "," + std::to_string(r.Unsigned("b", 99, 0));
    };
    const auto ba = [](sim::ObjectReader& r) {
        const std::uint64_t b = r.Unsigned("b", 99, 0);
        return std::to_string(r.Unsigned("a", 99, 0)) + "," + std::to_string(b);
    };
    for (const char* text : {R"({"a":1,"b":2,"a":3})", R"({"b":2,"a":1,"a":3})", R"({"a":0,"a":1,"b":2,"a":3})",
                             R"({"a":1,"a":3,"b":2})", R"({"b":2,"b":2,"a":3})"}) {
        EXPECT_EQ(ReadObjectText(text, ab), "3,2") << text;
        EXPECT_EQ(ReadObjectText(text, ba), "3,2") << text;
    }
    // Taken twice in a row, a field is the same field; a range fault names the last value's field.
    EXPECT_EQ(ReadObjectText(R"({"a":1,"a":2})",
                             [](sim::ObjectReader& r) {
                                 const bool given = r.Take("a").has_value();
                                 return std::to_string(given) + std::to_string(r.Unsigned("a", 9, 0));
                             }),
              "12");
    EXPECT_EQ(ReadObjectText(R"({"a":1,"a":200})", ab), "o.a: expected a whole number from 0 to 99");
    // A field nobody reads is refused, given once or twice.
    EXPECT_EQ(ReadObjectText(R"({"a":1,"x":2,"a":3,"b":4})", ab), "o: unknown field \"x\"");
    EXPECT_EQ(ReadObjectText(R"({"x":1,"a":1,"x":2})", ab), "o: unknown field \"x\"");
    EXPECT_EQ(ReadObjectText(R"({"a\n":1})", ab), "o: unknown field \"a\\u000A\"");
}

TEST(StateReaderTest, AbsentKeysGiveTheFallbackWhateverTheKeysTheyResemble)
{
    // Keys of the same length and end letters as present ones, the empty key, and keys present
    // only as a prefix or inside a longer key.
    const auto read = [](sim::ObjectReader& r) {
        std::string out;
        for (const char* key : {"ab", "bb", "axb", "abc", "", "a", "b", "ba", "xab"})
            out += std::to_string(r.Unsigned(key, 99, 9)) + " ";
        return out;
    };
    EXPECT_EQ(ReadObjectText(R"({"ab":1,"ba":2,"abc":3})", read), "1 9 9 3 9 9 9 2 9 ");
    EXPECT_EQ(ReadObjectText(R"({"":4,"ab":1})", read), "1 9 9 9 4 9 9 9 9 ");
    EXPECT_EQ(ReadObjectText(R"({})", read), "9 9 9 9 9 9 9 9 9 ");
}

TEST(StateReaderTest, LargeObjectsAreCheckedForUnknownFields)
{
    // Sizes around the number of fields a reader keeps without allocating, and far past it.
    for (const int size : {40, 41, 300}) {
        std::string text = "{";
        for (int i = 0; i < size; ++i)
            text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":" + std::to_string(i);
        const std::string repeated = text + ",\"k7\":1000}";
        text += "}";
        const auto readAllBut = [size](int skipped) {
            return [size, skipped](sim::ObjectReader& r) {
                std::uint64_t sum = 0;
                for (int i = size - 1; i >= 0; --i) {  // against the file's order
                    if (i != skipped)
                        sum += r.Unsigned(("k" + std::to_string(i)).c_str(), 1000, 0);
                }
                return std::to_string(sum);
            };
        };
        const std::string all = std::to_string(size * (size - 1) / 2);
        EXPECT_EQ(ReadObjectText(text, readAllBut(-1)), all) << size;
        EXPECT_EQ(ReadObjectText(text, readAllBut(7)), "o: unknown field \"k7\"") << size;
        EXPECT_EQ(ReadObjectText(text, readAllBut(size - 1)), "o: unknown field \"k" + std::to_string(size - 1) + "\"")
            << size;
        EXPECT_EQ(ReadObjectText(repeated, readAllBut(-1)), std::to_string(size * (size - 1) / 2 - 7 + 1000)) << size;
    }
}

TEST(StateReaderTest, HexadecimalTextsAreReadDigitByDigit)
{
    const auto hex = [](sim::ObjectReader& r) { return std::to_string(r.Hex("h", 0xFFFF, 7)); };
    EXPECT_EQ(ReadObjectText(R"({"h":"0xAbC9"})", hex), "43977");
    EXPECT_EQ(ReadObjectText(R"({"h":"0XfF"})", hex), "255");
    EXPECT_EQ(ReadObjectText(R"({"h":12})", hex), "12");
    const std::string refused = "o.h: expected a number or a hexadecimal text \"0x...\" up to 65535";
    for (const char* text : {R"({"h":"0x"})", R"({"h":"0xg1"})", R"({"h":"0x1G"})", R"({"h":"0x1:"})", R"({"h":"0x/"})",
                             R"({"h":"0x 1"})", R"({"h":"12"})", R"({"h":"0x10000"})"})
        EXPECT_EQ(ReadObjectText(text, hex), refused) << text;
}

TEST(StateReaderTest, FaultsInNestedObjectsNameTheWholePath)
{
    const auto nested = [](sim::ObjectReader& r) {
        std::string out;
        sim::ReadObject(r, "a", [&](sim::ObjectReader& a) {
            sim::ReadObject(a, "b", [&](sim::ObjectReader& b) { out = std::to_string(b.Unsigned("n", 9, 0)); });
        });
        return out;
    };
    EXPECT_EQ(ReadObjectText(R"({"a":{"b":{"n":3}}})", nested), "3");
    EXPECT_EQ(ReadObjectText(R"({"a":{"b":{"n":30}}})", nested), "o.a.b.n: expected a whole number from 0 to 9");
    EXPECT_EQ(ReadObjectText(R"({"a":{"b":{"n":3,"x":1}}})", nested), "o.a.b: unknown field \"x\"");
    EXPECT_EQ(ReadObjectText(R"({"a":{"b":[1]}})", nested), "o.a.b: expected an object");
    EXPECT_EQ(ReadObjectText(R"({"a":{"y":1,"b":{"n":3}}})", nested), "o.a: unknown field \"y\"");
}

// A small state of every kind of field: controller settings, topology, configuration, background
// work, events, faults and patches.
const char* const kSmallState = R"({"format": 1, "clock": {"now": 763810200, "advance_per_run": 0},
 "controllers": [{
   "pci": {"vendor": "0x7A4B", "device": "0x0001", "bus": 3},
   "info": {"product_name": "QRV \"SAS\" 4000", "memory_mb": 4096, "host_interface": ["pcie"],
            "images": [{"name": "APP", "version": "1.2"}], "limits": {"max_vds": 64, "min_strip_size_kb": 0.5}},
   "defaults": {"write_policy": "write_back", "strip_size_kb": 64},
   "mfg": {"date": "2023-02-28"},
   "kv": {"a": "1", "b": "two"},
   "enclosures": [{"device_id": 252, "slots": 12, "sas_address": "0x500A4B0000C0B0FF"}],
   "drives": [
     {"device_id": 8, "enclosure": 252, "slot": 0, "state": "online", "blocks": 4196352,
      "sas_addresses": ["0x500A4B0000C0B001"], "ports": [0], "serial": "S\u00e9rie", "inquiry": {"vendor": "QRV"}},
     {"device_id": 9, "enclosure": 252, "slot": 1, "state": "online", "blocks": 4196352, "temperature": 40},
     {"device_id": 10, "enclosure": 252, "slot": 2, "state": "hot_spare", "blocks": 4196352}],
   "config": {"arrays": [{"ref": 0, "drives": [8, 9]}],
              "virtual_drives": [{"target_id": 0, "raid_level": 1, "arrays": [0], "name": "data", "strip_size_kb": 64}],
              "spares": [{"device_id": 10, "arrays": [0]}]},
   "operations": [{"kind": "consistency_check", "target_id": 0, "started": 763810000, "seconds": 3600}],
   "battery": {"present": true, "conditions": ["charge_active"]},
   "events": {"max_records": 16, "records": [{"seq": 1, "time": 763810100, "code": "0x00000010",
              "args": {"type": "pd", "pd": {"device_id": 8, "slot": 0}}, "description": "x"}]}}],
 "faults": [{"opcode": "0x01010000", "status": 3, "nth": 2}],
 "patches": [{"opcode": "0x01010000", "offset": 4, "hex": "4142"}]}
)";

// Random damage to a state: a text nlohmann refuses is refused with its fault; a text it reads
// gives the same model, or the same fault, as the document written plainly by nlohmann (one key
// each, plain numbers and texts).
TEST(StateReaderTest, DamagedStatesReadAsTheirPlainForm)
{
    const std::string original = kSmallState;
    ASSERT_TRUE(statefuzz::ReadStateText(original).read) << statefuzz::ReadStateText(original).text;
    const std::string alphabet = "{}[]\":,0123456789-.eE+ \n\\tfalsenulu\x01\x7F\x80\xFF";
    std::mt19937 random(20240315);
    int read = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text = original;
        const int edits = 1 + static_cast<int>(random() % 3);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % text.size();
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 4) {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
                break;
            case 2:
                text.erase(at, 1);
                break;
            default: {  // a piece of the text repeated (keys given twice, longer lists)
                const std::size_t length = std::min<std::size_t>(1 + random() % 40, text.size() - at);
                text.insert(at, text.substr(at, length));
                break;
            }
            }
        }
        const statefuzz::Outcome outcome = statefuzz::ReadStateText(text);
        const std::string fault = NlohmannFault(text);
        if (!fault.empty()) {
            ASSERT_FALSE(outcome.read) << text;
            ASSERT_EQ(outcome.text, fault) << text;
            continue;
        }
        const statefuzz::Outcome plain = statefuzz::ReadStateText(sim::Json::parse(text).dump());
        ASSERT_EQ(outcome.read, plain.read) << text << "\n" << outcome.text << "\n" << plain.text;
        ASSERT_EQ(outcome.text, plain.text) << text;
        read += outcome.read ? 1 : 0;
    }
    EXPECT_GT(read, 100);  // the damage also leaves plenty of states that read
}

}  // namespace
