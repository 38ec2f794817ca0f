// The arguments of an event in the state file: `{"type": <name or number>, <named fields of the
// type's layout>, "raw": "<hex of the 96-byte area>"}`. `raw` is laid down first and the named
// fields over it; it is written back only when the named fields do not tell the whole area.
#include <algorithm>
#include <iterator>

#include "EventLogJson.h"
#include "FieldTable.h"

namespace sim {
namespace {

enum class ArgKind : u8 {
    Number,      // unsigned, `width` bytes
    Hex,         // unsigned, `width` bytes, written as hexadecimal text
    Text,        // characters, `width` bytes, NUL-padded
    Bytes,       // `width` bytes as hexadecimal digit pairs
    Flag,        // bit `width` of the byte
    Pd,          // drive reference, 4 bytes
    Ld,          // virtual-drive reference, 4 bytes
    Properties,  // virtual-drive properties block, 32 bytes
    SpareArrays, // u16 array references, as many as the count at record offset 43 (at most 42)
};

struct ArgField {
    const char* name;
    u8 offset;  // record offset
    ArgKind kind;
    u8 width;
};

constexpr std::size_t kMaxArgFields = 6;

struct ArgLayout {
    u8 type;
    const char* name;
    ArgField fields[kMaxArgFields];  // ended by the first entry without a name
};

constexpr std::size_t kSpareCountOffset = 43;

const ArgLayout kLayouts[] = {
    {kArgNone, "none", {}},
    {kArgCdbSense,
     "cdb_sense",
     {{"pd", 32, ArgKind::Pd, 4},
      {"cdb_length", 36, ArgKind::Number, 1},
      {"sense_length", 37, ArgKind::Number, 1},
      {"cdb", 40, ArgKind::Bytes, 16},
      {"sense", 56, ArgKind::Bytes, 64}}},
    {kArgLd, "ld", {{"ld", 32, ArgKind::Ld, 4}}},
    {kArgLdCount, "ld_count", {{"ld", 32, ArgKind::Ld, 4}, {"count", 36, ArgKind::Number, 4}}},
    {kArgLdLba, "ld_lba", {{"lba", 32, ArgKind::Number, 8}, {"ld", 40, ArgKind::Ld, 4}}},
    {kArgLdOwner,
     "ld_owner",
     {{"ld", 32, ArgKind::Ld, 4}, {"previous_owner", 36, ArgKind::Number, 4}, {"new_owner", 40, ArgKind::Number, 4}}},
    {kArgLdLbaPdLba,
     "ld_lba_pd_lba",
     {{"ld_lba", 32, ArgKind::Number, 8},
      {"pd_lba", 40, ArgKind::Number, 8},
      {"ld", 48, ArgKind::Ld, 4},
      {"pd", 52, ArgKind::Pd, 4}}},
    {kArgLdState,
     "ld_state",
     {{"ld", 32, ArgKind::Ld, 4}, {"previous_state", 36, ArgKind::Number, 4}, {"new_state", 40, ArgKind::Number, 4}}},
    {kArgLdStrip, "ld_strip", {{"strip", 32, ArgKind::Number, 8}, {"ld", 40, ArgKind::Ld, 4}}},
    {kArgPd, "pd", {{"pd", 32, ArgKind::Pd, 4}}},
    {kArgPdError, "pd_error", {{"pd", 32, ArgKind::Pd, 4}, {"error", 36, ArgKind::Number, 4}}},
    {kArgPdLba, "pd_lba", {{"lba", 32, ArgKind::Number, 8}, {"pd", 40, ArgKind::Pd, 4}}},
    {kArgPdLbaLd,
     "pd_lba_ld",
     {{"lba", 32, ArgKind::Number, 8}, {"pd", 40, ArgKind::Pd, 4}, {"ld", 44, ArgKind::Ld, 4}}},
    {kArgPdState,
     "pd_state",
     {{"pd", 32, ArgKind::Pd, 4}, {"previous_state", 36, ArgKind::Number, 4}, {"new_state", 40, ArgKind::Number, 4}}},
    {kArgPci,
     "pci",
     {{"vendor_id", 32, ArgKind::Hex, 2},
      {"device_id", 34, ArgKind::Hex, 2},
      {"sub_vendor_id", 36, ArgKind::Hex, 2},
      {"sub_device_id", 38, ArgKind::Hex, 2}}},
    {kArgRate, "rate", {{"rate", 32, ArgKind::Number, 4}}},
    {kArgText, "text", {{"text", 32, ArgKind::Text, 96}}},
    {kArgTime, "time", {{"time", 32, ArgKind::Number, 4}, {"since_power_on", 36, ArgKind::Number, 4}}},
    {kArgEcc,
     "ecc",
     {{"ecar", 32, ArgKind::Hex, 4}, {"elog", 36, ArgKind::Hex, 4}, {"text", 40, ArgKind::Text, 64}}},
    {kArgLdProperties,
     "ld_properties",
     {{"ld", 32, ArgKind::Ld, 4}, {"previous", 36, ArgKind::Properties, 32}, {"new", 68, ArgKind::Properties, 32}}},
    {kArgPdSpare,
     "pd_spare",
     {{"pd", 32, ArgKind::Pd, 4},
      {"dedicated", 40, ArgKind::Flag, 0},
      {"revertible", 40, ArgKind::Flag, 1},
      {"enclosure_affinity", 40, ArgKind::Flag, 2},
      {"arrays", 44, ArgKind::SpareArrays, 2},
      {"array_count", 43, ArgKind::Number, 1}}},
    {kArgPdIndex, "pd_index", {{"pd", 32, ArgKind::Pd, 4}, {"index", 36, ArgKind::Number, 4}}},
    {kArgDiagPass, "diag_pass", {{"pass_count", 32, ArgKind::Number, 4}, {"name", 36, ArgKind::Text, 64}}},
    {kArgDiagFail,
     "diag_fail",
     {{"pass_count", 32, ArgKind::Number, 4},
      {"failure_offset", 36, ArgKind::Number, 4},
      {"good_data", 40, ArgKind::Number, 1},
      {"bad_data", 41, ArgKind::Number, 1},
      {"name", 44, ArgKind::Text, 64}}},
    {kArgPdLbaRemap,
     "pd_lba_remap",
     {{"bad_lba", 32, ArgKind::Number, 8}, {"remapped_lba", 40, ArgKind::Number, 8}, {"pd", 48, ArgKind::Pd, 4}}},
    {kArgPortPhy, "port_phy", {{"port", 32, ArgKind::Number, 4}, {"phy", 36, ArgKind::Number, 4}}},
    {kArgPdArrayRow,
     "pd_array_row",
     {{"pd", 32, ArgKind::Pd, 4}, {"array", 36, ArgKind::Number, 4}, {"row", 40, ArgKind::Number, 4}}},
    {kArgPdAddress,
     "pd_address",
     {{"device_id", 32, ArgKind::Number, 2},
      {"enclosure_device_id", 34, ArgKind::Number, 2},
      {"enclosure_index", 36, ArgKind::Number, 1},
      {"slot", 37, ArgKind::Number, 1},
      {"sas_address_1", 40, ArgKind::Hex, 8},
      {"sas_address_2", 48, ArgKind::Hex, 8}}},
    {kArgRedundantPath, "redundant_path", {{"value", 36, ArgKind::Number, 4}}},
};

const ArgLayout* FindLayout(u8 type)
{
    const auto it = std::find_if(std::begin(kLayouts), std::end(kLayouts),
                                 [&](const ArgLayout& layout) { return layout.type == type; });
    return it == std::end(kLayouts) ? nullptr : &*it;
}

u64 MaxOf(u8 width) { return width >= 8 ? ~u64{0} : (u64{1} << (8 * width)) - 1; }

std::string HexBytes(const u8* bytes, std::size_t count)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0xF]);
    }
    return text;
}

std::vector<u8> ReadArgBytes(const JsonValue& value, const std::string& path, std::size_t maxBytes)
{
    const std::string text = AsText(value, path, 2 * maxBytes);
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    std::vector<u8> bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0)
            break;
        bytes.push_back(static_cast<u8>(high * 16 + low));
    }
    if (bytes.size() * 2 != text.size())
        Fail(path, "expected pairs of hexadecimal digits, at most " + std::to_string(maxBytes) + " bytes");
    return bytes;
}

void PutBytes(EventArgs& args, std::size_t offset, const std::vector<u8>& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        args.Put(offset + i, 1, bytes[i]);
}

std::vector<u8> GetBytes(const EventArgs& args, std::size_t offset, std::size_t count)
{
    std::vector<u8> bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<u8>(args.Get(offset + i, 1)));
    return bytes;
}

// Drive reference: {"device_id", "enclosure_index", "slot"}.
void ReadPdRef(ObjectReader& r, EventArgs& args, std::size_t offset)
{
    args.Put(offset, 2, r.Unsigned("device_id", 0xFFFF, 0));
    args.Put(offset + 2, 1, r.Unsigned("enclosure_index", 0xFF, 0));
    args.Put(offset + 3, 1, r.Unsigned("slot", 0xFF, 0));
}

// Virtual-drive properties block: name, policies and the no-background-initialization flag.
void ReadProperties(ObjectReader& r, EventArgs& args, std::size_t offset)
{
    args.PutText(offset + 4, 16, r.Text("name", 16));
    args.Put(offset + 20, 1, r.Unsigned("default_cache_policy", 0xFF, 0));
    args.Put(offset + 21, 1, r.Unsigned("access_policy", 0xFF, 0));
    args.Put(offset + 22, 1, r.Unsigned("disk_cache_policy", 0xFF, 0));
    args.Put(offset + 23, 1, r.Unsigned("current_cache_policy", 0xFF, 0));
    args.Put(offset + 24, 1, r.Unsigned("no_bgi", 0xFF, 0));
}

Json WriteProperties(const EventArgs& args, std::size_t offset)
{
    return Json{{"name", args.GetText(offset + 4, 16)},
                {"default_cache_policy", args.Get(offset + 20, 1)},
                {"access_policy", args.Get(offset + 21, 1)},
                {"disk_cache_policy", args.Get(offset + 22, 1)},
                {"current_cache_policy", args.Get(offset + 23, 1)},
                {"no_bgi", args.Get(offset + 24, 1)}};
}

std::size_t SpareArrayCount(const EventArgs& args)
{
    return std::min<std::size_t>(args.Get(kSpareCountOffset, 1), kEventSpareMaxArrays);
}

void ReadField(ObjectReader& r, const ArgField& field, EventArgs& args)
{
    const auto value = r.Take(field.name);
    if (!value)
        return;
    const std::string path = r.PathOf(field.name);
    switch (field.kind) {
    case ArgKind::Number:
        args.Put(field.offset, field.width, AsUnsigned(*value, path, MaxOf(field.width)));
        break;
    case ArgKind::Hex:
        args.Put(field.offset, field.width, AsHex(*value, path, MaxOf(field.width)));
        break;
    case ArgKind::Text:
        args.PutText(field.offset, field.width, AsText(*value, path, field.width));
        break;
    case ArgKind::Bytes:
        PutBytes(args, field.offset, ReadArgBytes(*value, path, field.width));
        break;
    case ArgKind::Flag: {
        const u64 byte = args.Get(field.offset, 1);
        const u64 mask = u64{1} << field.width;
        args.Put(field.offset, 1, AsBool(*value, path) ? byte | mask : byte & ~mask);
        break;
    }
    case ArgKind::Pd: {
        ObjectReader ref(*value, path);
        ReadPdRef(ref, args, field.offset);
        ref.Finish();
        break;
    }
    case ArgKind::Ld: {
        ObjectReader ref(*value, path);
        args.Put(field.offset, 2, ref.Unsigned("target_id", 0xFFFF, 0));
        ref.Finish();
        break;
    }
    case ArgKind::Properties: {
        ObjectReader block(*value, path);
        ReadProperties(block, args, field.offset);
        block.Finish();
        break;
    }
    case ArgKind::SpareArrays: {
        std::size_t count = 0;
        ReadItems(*value, path, kEventSpareMaxArrays, [&](const JsonValue& item, const std::string& itemPath) {
            args.Put(field.offset + 2 * count++, 2, AsUnsigned(item, itemPath, 0xFFFF));
        });
        // The count follows the list unless "array_count" (read after it) says otherwise.
        args.Put(kSpareCountOffset, 1, count);
        break;
    }
    }
}

Json WriteField(const ArgField& field, const EventArgs& args)
{
    switch (field.kind) {
    case ArgKind::Number:
        return args.Get(field.offset, field.width);
    case ArgKind::Hex:
        return HexText(args.Get(field.offset, field.width), 2 * field.width);
    case ArgKind::Text:
        return args.GetText(field.offset, field.width);
    case ArgKind::Bytes: {
        const std::vector<u8> bytes = GetBytes(args, field.offset, field.width);
        return HexBytes(bytes.data(), bytes.size());
    }
    case ArgKind::Flag:
        return ((args.Get(field.offset, 1) >> field.width) & 1) != 0;
    case ArgKind::Pd:
        return Json{{"device_id", args.Get(field.offset, 2)},
                    {"enclosure_index", args.Get(field.offset + 2, 1)},
                    {"slot", args.Get(field.offset + 3, 1)}};
    case ArgKind::Ld:
        return Json{{"target_id", args.Get(field.offset, 2)}};
    case ArgKind::Properties:
        return WriteProperties(args, field.offset);
    case ArgKind::SpareArrays: {
        Json list = Json::array();
        for (std::size_t i = 0; i < SpareArrayCount(args); ++i)
            list.push_back(args.Get(field.offset + 2 * i, 2));
        return list;
    }
    }
    return nullptr;
}

// True when every text of the fields is plain printable ASCII (anything else is kept as bytes).
bool NamesAreExact(const Json& fields)
{
    for (const auto& item : fields.items()) {
        const Json& value = item.value();
        if (value.is_object() && !NamesAreExact(value))
            return false;
        if (value.is_string()) {
            for (char c : value.get_ref<const std::string&>()) {
                if (c < 0x20 || c > 0x7E)
                    return false;
            }
        }
    }
    return true;
}

bool ReadsBackAs(const Json& out, const EventArgs& args)
{
    std::string text = out.dump();
    bool same = false;
    try {
        ReadJson(text, [&](const JsonValue& root) {
            ObjectReader reader(root, "");
            same = ReadEventArgs(reader) == args;
        });
    } catch (const StateError&) {
        return false;
    }
    return same;
}

}  // namespace

EventArgs ReadEventArgs(ObjectReader& r)
{
    u8 type = kArgNone;
    if (const auto value = r.Take("type")) {
        if (value->is_string()) {
            const std::string name(TextOf(*value));
            const auto it = std::find_if(std::begin(kLayouts), std::end(kLayouts),
                                         [&](const ArgLayout& layout) { return name == layout.name; });
            if (it == std::end(kLayouts))
                Fail(r.PathOf("type"), "unknown argument type \"" + name + "\"");
            type = it->type;
        } else {
            type = static_cast<u8>(AsUnsigned(*value, r.PathOf("type"), 0xFF));
        }
    }
    std::vector<u8> raw;
    if (const auto value = r.Take("raw"))
        raw = ReadArgBytes(*value, r.PathOf("raw"), kEventArgsSize);
    EventArgs args = EventArgs::Raw(type, raw);
    if (const ArgLayout* layout = FindLayout(type)) {
        for (const ArgField& field : layout->fields) {
            if (field.name != nullptr)
                ReadField(r, field, args);
        }
    }
    return args;
}

Json WriteEventArgs(const EventArgs& args)
{
    Json out = Json::object();
    const ArgLayout* layout = FindLayout(args.Type());
    if (layout == nullptr) {
        out["type"] = args.Type();
    } else {
        out["type"] = layout->name;
        for (const ArgField& field : layout->fields) {
            if (field.name == nullptr)
                continue;
            if (field.kind == ArgKind::Number && field.offset == kSpareCountOffset &&
                args.Get(kSpareCountOffset, 1) == SpareArrayCount(args))
                continue;  // the array count is the list's length
            out[field.name] = WriteField(field, args);
        }
    }
    // Read back, the named fields must give the same area; otherwise the bytes are written as
    // they are (texts that are not plain characters, bytes no field names).
    if (!NamesAreExact(out) || !ReadsBackAs(out, args)) {
        const auto& area = args.Area();
        out = Json::object();
        out["type"] = layout != nullptr ? Json(layout->name) : Json(args.Type());
        out["raw"] = HexBytes(area.data(), area.size());
    }
    return out;
}

}  // namespace sim
