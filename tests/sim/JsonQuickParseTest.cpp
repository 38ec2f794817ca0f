// The state file's quick JSON reader against nlohmann's parser: whatever it takes it must read
// to the very document nlohmann reads (types and key order included), and whatever it leaves
// must go to nlohmann, which then reads it or words the fault as before.
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "sim/JsonQuickParse.h"

namespace {

using sim::Json;

// Equal values of equal types, objects with their keys in the same order.
::testing::AssertionResult SameDocument(const Json& a, const Json& b, const std::string& at = "$")
{
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

// Taken by the quick reader, and read as nlohmann reads it.
void ExpectTaken(const std::string& text)
{
    Json quick;
    ASSERT_TRUE(sim::QuickParseJson(text, quick)) << text;
    EXPECT_TRUE(SameDocument(quick, Json::parse(text))) << text;
}

// Left to nlohmann's parser.
void ExpectLeft(const std::string& text)
{
    Json quick;
    EXPECT_FALSE(sim::QuickParseJson(text, quick)) << text;
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

TEST(JsonQuickParseTest, PlainDocumentsAreReadAsNlohmannReadsThem)
{
    ExpectTaken(kStateLike);
    ExpectTaken("{}");
    ExpectTaken("[]");
    ExpectTaken(" \t\r\n[ ]\n");
    ExpectTaken("0");
    ExpectTaken("\"\"");
    ExpectTaken("true");
    ExpectTaken("null");
    ExpectTaken(R"({"z": 1, "a": 2, "m": {"y": [], "b": {}}})");  // the file's order, not sorted
    ExpectTaken("[0, 10, 1234567890123456789, 9999999999999999999]");
    ExpectTaken(R"(["\/\\\"", "                         long text past the short buffer"])");
    ExpectTaken("                                        [1]                                        ");

    Json number;
    ASSERT_TRUE(sim::QuickParseJson("42", number));
    EXPECT_TRUE(number.is_number_unsigned());
}

TEST(JsonQuickParseTest, EverythingElseIsLeftToNlohmann)
{
    for (const char* text : {
             "0.5", "1e3", "1E3", "-1", "-0", "01", "00", "10000000000000000000", "18446744073709551615",
             R"("\u00e9")", "\"caf\xC3\xA9\"", "\"a\x01\"", "\"tab\tinside\"", R"("\x")", R"({"a":1,"a":2})",
             R"({"a":{"b":1,"b":1}})", "/* c */ {}", "{} // c", "[1,]", R"({"a":1,})", R"({"a" 1})", R"({a:1})",
             "[1 2]", "\"open", "[1", R"({"a":1)", "{} {}", "[] x", "", "   ", "tru", "nul", "True", "\xEF\xBB\xBF{}",
             "+1", ".5", "1.", "[--1]"}) {
        ExpectLeft(text);
    }
    ExpectLeft(std::string("[1]\0", 4));
    ExpectLeft(std::string("[\"a\0\"]", 6));
    ExpectLeft(std::string(129, '[') + std::string(129, ']'));
    ExpectTaken(std::string(128, '[') + std::string(128, ']'));
}

// Random damage to a state-like document: whatever the quick reader still takes, nlohmann must
// read the same way; it must never take what nlohmann refuses.
TEST(JsonQuickParseTest, DamagedDocumentsAreTakenOnlyAsNlohmannReadsThem)
{
    const std::string original = kStateLike;
    const std::string alphabet = "{}[]\":,0123456789-.eE+ \n\\tfalsenulu\x01\x7F\x80\xFF";
    std::mt19937 random(20240315);
    int taken = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = original;
        const int edits = 1 + static_cast<int>(random() % 3);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % text.size();
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
                break;
            default:
                text.erase(at, 1);
                break;
            }
        }
        Json quick;
        if (!sim::QuickParseJson(text, quick))
            continue;
        ++taken;
        Json full;
        try {
            full = Json::parse(text);
        } catch (const Json::exception& e) {
            ADD_FAILURE() << "taken, but nlohmann refuses it (" << e.what() << "):\n" << text;
            continue;
        }
        ASSERT_TRUE(SameDocument(quick, full)) << text;
    }
    EXPECT_GT(taken, 100);  // the damage also leaves plenty of documents the reader takes
}

TEST(JsonQuickParseTest, ReleaseFreesDeepAndWideDocuments)
{
    Json deep = Json::parse(std::string(5000, '[') + std::string(5000, ']'));
    sim::ReleaseJson(deep);
    EXPECT_TRUE(deep.is_null());

    Json state;
    ASSERT_TRUE(sim::QuickParseJson(kStateLike, state));
    sim::ReleaseJson(state);
    EXPECT_TRUE(state.is_null());
}

}  // namespace
