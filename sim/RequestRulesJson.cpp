// Faults and patches in the state file: the rules a test sets on requests.
#include <cctype>

#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr std::size_t kMaxRules = 4096;
constexpr u64 kMaxPatchOffset = 1u << 24;
constexpr std::size_t kMaxPatchBytes = 65536;
constexpr std::size_t kCdbBytes = 16;

constexpr EnumName kFunctions[] = {
    {"init", static_cast<u8>(RequestKind::Init)},
    {"list_controllers", static_cast<u8>(RequestKind::ListControllers)},
    {"dcmd", static_cast<u8>(RequestKind::Dcmd)},
    {"dcmd_private", static_cast<u8>(RequestKind::DcmdPrivate)},
    {"scsi_passthru", static_cast<u8>(RequestKind::ScsiPassThru)},
    {"driver_request", static_cast<u8>(RequestKind::DriverRequest)},
};

std::optional<RequestKind> ReadFunction(ObjectReader& r)
{
    const auto value = r.Take("function");
    if (!value)
        return std::nullopt;
    return static_cast<RequestKind>(ReadFieldValue(*value, r.PathOf("function"), FieldKind::Enum, 255, kFunctions));
}

std::optional<u32> ReadOptional(ObjectReader& r, const char* key, u64 max, bool hex)
{
    if (!r.Take(key))
        return std::nullopt;
    return static_cast<u32>(hex ? r.Hex(key, max, 0) : r.Unsigned(key, max, 0));
}

u64 OpcodeMax(std::optional<RequestKind> function)
{
    return function == RequestKind::ScsiPassThru ? 0xFF : 0xFFFFFFFF;
}

void PutCommon(Json& out, std::optional<RequestKind> function, std::optional<u32> controller)
{
    if (function)
        out["function"] = FieldValueJson(static_cast<u64>(*function), FieldKind::Enum, kFunctions);
    if (controller)
        out["controller"] = *controller;
}

Json OpcodeJson(std::optional<RequestKind> function, u32 opcode)
{
    return function == RequestKind::ScsiPassThru ? HexText(opcode, 2) : HexText(opcode, 8);
}

// The pass-through conditions of a rule ("target", "cdb"); only rules of scsi_passthru take them.
template <class Rule>
void ReadPassThruConditions(ObjectReader& r, Rule& rule)
{
    if (const auto target = ReadOptional(r, "target", 0xFF, false))
        rule.target = static_cast<u8>(*target);
    if (r.Take("cdb"))
        rule.cdb = ReadHexBytes(r, "cdb", kCdbBytes);
    if ((rule.target || !rule.cdb.empty()) && rule.function != RequestKind::ScsiPassThru)
        Fail(r.Path(), "\"target\" and \"cdb\" name pass-through requests (\"function\": \"scsi_passthru\")");
}

template <class Rule>
void PutPassThruConditions(Json& out, const Rule& rule)
{
    if (rule.target)
        out["target"] = *rule.target;
    if (!rule.cdb.empty())
        out["cdb"] = HexDigits(rule.cdb.data(), rule.cdb.size());
}

Fault ReadFault(const JsonValue& item, const std::string& path)
{
    ObjectReader r(item, path);
    Fault f;
    f.function = ReadFunction(r);
    f.controller = ReadOptional(r, "controller", 0xFFFFFFFF, false);
    f.opcode = ReadOptional(r, "opcode", OpcodeMax(f.function), true);
    f.status = static_cast<u32>(r.Unsigned("status", 255, 0));
    f.libError = static_cast<u32>(r.Unsigned("lib_error", 0xFFFFFFFF, 0));
    const bool nthGiven = r.Take("nth").has_value();
    f.nth = static_cast<u32>(r.Unsigned("nth", 0xFFFFFFFF, 0));
    ReadPassThruConditions(r, f);
    r.Finish();

    const bool beforeController = f.function == RequestKind::Init || f.function == RequestKind::ListControllers;
    if ((f.status == 0) == (f.libError == 0))
        Fail(path, "give either a firmware \"status\" (1-255) or a \"lib_error\" (non-zero)");
    if (beforeController && (f.status != 0 || f.opcode || f.controller))
        Fail(path, "init and list_controllers faults take only \"lib_error\" and \"nth\"");
    if (!f.function && !f.opcode)
        Fail(path, "give an \"opcode\", a \"function\", or both");
    if (nthGiven && f.nth == 0)
        Fail(r.PathOf("nth"), "counts calls from 1");
    return f;
}

Patch ReadPatch(const JsonValue& item, const std::string& path)
{
    ObjectReader r(item, path);
    Patch p;
    p.function = ReadFunction(r);
    if (p.function == RequestKind::Init || p.function == RequestKind::ListControllers)
        Fail(r.PathOf("function"), "patches apply to requests of a controller");
    p.controller = ReadOptional(r, "controller", 0xFFFFFFFF, false);
    if (!r.Take("opcode"))
        Fail(r.PathOf("opcode"), "missing");
    p.opcode = static_cast<u32>(r.Hex("opcode", OpcodeMax(p.function), 0));
    // A patch sets bytes (`offset` and `hex`), cuts the reply (`cut`), or both.
    p.cut = ReadOptional(r, "cut", kMaxPatchOffset, false);
    const bool hasOffset = r.Take("offset").has_value();
    if (!p.cut || hasOffset || r.Take("hex")) {
        if (!hasOffset)
            Fail(r.PathOf("offset"), "missing");
        p.offset = static_cast<u32>(r.Unsigned("offset", kMaxPatchOffset, 0));
        p.bytes = ReadHexBytes(r, "hex", kMaxPatchBytes);
    }
    if (const auto byte0 = ReadOptional(r, "mailbox_byte0", 0xFF, false))
        p.mailboxByte0 = static_cast<u8>(*byte0);
    if (const auto deviceId = ReadOptional(r, "device_id", 0xFFFF, false))
        p.deviceId = static_cast<u16>(*deviceId);
    ReadPassThruConditions(r, p);
    r.Finish();
    return p;
}

}  // namespace

std::vector<Fault> ReadFaults(const JsonValue& value, const std::string& path)
{
    std::vector<Fault> faults;
    ReadItems(value, path, kMaxRules, [&](const JsonValue& item, const std::string& itemPath) {
        faults.push_back(ReadFault(item, itemPath));
    });
    return faults;
}

Json WriteFaults(const std::vector<Fault>& faults)
{
    Json out = Json::array();
    for (const Fault& f : faults) {
        Json item = Json::object();
        PutCommon(item, f.function, f.controller);
        if (f.opcode)
            item["opcode"] = OpcodeJson(f.function, *f.opcode);
        if (f.status != 0)
            item["status"] = f.status;
        else
            item["lib_error"] = f.libError;
        if (f.nth != 0)
            item["nth"] = f.nth;
        PutPassThruConditions(item, f);
        out.push_back(std::move(item));
    }
    return out;
}

std::vector<Patch> ReadPatches(const JsonValue& value, const std::string& path)
{
    std::vector<Patch> patches;
    ReadItems(value, path, kMaxRules, [&](const JsonValue& item, const std::string& itemPath) {
        patches.push_back(ReadPatch(item, itemPath));
    });
    return patches;
}

Json WritePatches(const std::vector<Patch>& patches)
{
    Json out = Json::array();
    for (const Patch& p : patches) {
        Json item = Json::object();
        PutCommon(item, p.function, p.controller);
        item["opcode"] = OpcodeJson(p.function, p.opcode);
        if (!p.bytes.empty()) {
            item["offset"] = p.offset;
            item["hex"] = HexDigits(p.bytes.data(), p.bytes.size());
        }
        if (p.cut)
            item["cut"] = *p.cut;
        if (p.mailboxByte0)
            item["mailbox_byte0"] = *p.mailboxByte0;
        if (p.deviceId)
            item["device_id"] = *p.deviceId;
        PutPassThruConditions(item, p);
        out.push_back(std::move(item));
    }
    return out;
}

}  // namespace sim
