// The controller's kept settings blocks in the state file: patrol read, the consistency-check
// schedule, the BIOS settings and the drive performance monitor.
#include "Clock.h"
#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr EnumName kPatrolReadModes[] = {{"auto", 0}, {"manual", 1}, {"disabled", 2}};
constexpr EnumName kCcModes[] = {{"disabled", 0}, {"sequential", 1}, {"concurrent", 2}};

constexpr std::size_t kMaxExcludedLds = 74;  // the room of the schedule block
constexpr std::size_t kMaxWaitingDrives = 1024;

Json U16List(const std::vector<u16>& ids)
{
    Json out = Json::array();
    for (u16 id : ids)
        out.push_back(id);
    return out;
}

std::vector<u16> ReadU16List(ObjectReader& r, const char* key, std::size_t maxItems, u64 max)
{
    std::vector<u16> ids;
    ReadList(r, key, maxItems, [&](const JsonValue& item, const std::string& path) {
        ids.push_back(static_cast<u16>(AsUnsigned(item, path, max)));
    });
    return ids;
}

void ReadPatrolRead(ObjectReader& r, PatrolRead& pr)
{
    pr.mode = ReadChoice(r, "mode", kPatrolReadModes, 0);
    pr.maxConcurrent = r.Unsigned("max_concurrent", 0xFF, 0);
    pr.ssd = r.Bool("ssd", false) ? 1 : 0;
    pr.nextStart = r.Unsigned("next_start", kClockMax, 0);
    pr.delaySeconds = r.Unsigned("delay_s", 0xFFFFFFFF, 0);
    pr.iterations = r.Unsigned("iterations", 0xFFFFFFFF, 0);
    pr.drivesDone = r.Unsigned("drives_done", 0xFF, 0);
    pr.aborted = r.Bool("aborted", false);
    pr.waiting = ReadU16List(r, "waiting", kMaxWaitingDrives, 0xFFFE);
}

Json WritePatrolRead(const PatrolRead& pr)
{
    Json out = Json::object();
    out["mode"] = FieldValueJson(pr.mode, FieldKind::Enum, kPatrolReadModes);
    out["max_concurrent"] = pr.maxConcurrent;
    out["ssd"] = pr.ssd != 0;
    out["next_start"] = pr.nextStart;
    out["delay_s"] = pr.delaySeconds;
    out["iterations"] = pr.iterations;
    out["drives_done"] = pr.drivesDone;
    out["aborted"] = pr.aborted;
    out["waiting"] = U16List(pr.waiting);
    return out;
}

void ReadCcSchedule(ObjectReader& r, CcSchedule& cc)
{
    cc.unsupported = r.Bool("unsupported", false);
    cc.mode = ReadChoice(r, "mode", kCcModes, 0);
    cc.excluded = ReadU16List(r, "excluded", kMaxExcludedLds, 0xFFFF);
    cc.nextStart = r.Unsigned("next_start", kClockMax, 0);
    cc.delaySeconds = r.Unsigned("delay_s", 0xFFFFFFFF, 0);
    cc.iterations = r.Unsigned("iterations", 0xFFFFFFFF, 0);
}

Json WriteCcSchedule(const CcSchedule& cc)
{
    Json out = Json::object();
    out["unsupported"] = cc.unsupported;
    out["mode"] = FieldValueJson(cc.mode, FieldKind::Enum, kCcModes);
    out["excluded"] = U16List(cc.excluded);
    out["next_start"] = cc.nextStart;
    out["delay_s"] = cc.delaySeconds;
    out["iterations"] = cc.iterations;
    return out;
}

// The boot device is a number, or null for none.
void ReadBios(ObjectReader& r, BiosSettings& bios)
{
    if (const auto device = r.Take("boot_device"))
        bios.bootDevice = device->is_null() ? 0xFFFF : AsUnsigned(*device, r.PathOf("boot_device"), 0xFFFF);
    bios.bootIsDrive = r.Bool("boot_is_drive", false);
    bios.disabled = r.Bool("disabled", false);
    bios.bypassErrors = r.Bool("bypass_errors", false);
    bios.autoSelectBootLd = r.Bool("auto_select_boot_ld", false);
}

Json WriteBios(const BiosSettings& bios)
{
    Json out = Json::object();
    out["boot_device"] = bios.bootDevice == 0xFFFF ? Json(nullptr) : Json(bios.bootDevice);
    out["boot_is_drive"] = bios.bootIsDrive;
    out["disabled"] = bios.disabled;
    out["bypass_errors"] = bios.bypassErrors;
    out["auto_select_boot_ld"] = bios.autoSelectBootLd;
    return out;
}

void ReadDpm(ObjectReader& r, PerformanceMonitor& dpm)
{
    dpm.enabled = r.Bool("enabled", false);
    dpm.averagedCommands = r.Unsigned("averaged_commands", 0xFFFF, 0);
    dpm.longestCommands = r.Unsigned("longest_commands", 0xFFFF, 0);
    dpm.ticksPerSecond = r.Unsigned("ticks_per_second", 0xFFFFFFFF, 0);
}

Json WriteDpm(const PerformanceMonitor& dpm)
{
    return Json{{"enabled", dpm.enabled},
                {"averaged_commands", dpm.averagedCommands},
                {"longest_commands", dpm.longestCommands},
                {"ticks_per_second", dpm.ticksPerSecond}};
}

constexpr std::size_t kKeyTextMax = 35;     // the key field of the key block, less its NUL
constexpr std::size_t kPassphraseMax = 71;
constexpr std::size_t kKeyIdMax = 256;

void ReadSecurity(ObjectReader& r, SecurityKeyState& s)
{
    s.key = r.Text("key", kKeyTextMax);
    s.passphrase = r.Text("passphrase", kPassphraseMax);
    s.keyId = r.Text("key_id", kKeyIdMax);
    s.keyMode = r.Unsigned("key_mode", 0xFF, 0);
    ReadObject(r, "pending_change", [&](ObjectReader& p) {
        s.changePending = true;
        s.pendingKey = p.Text("key", kKeyTextMax);
        s.pendingPassphrase = p.Text("passphrase", kPassphraseMax);
        s.pendingKeyId = p.Text("key_id", kKeyIdMax);
        s.pendingByEkm = p.Bool("by_ekm", false);
    });
}

Json WriteSecurity(const SecurityKeyState& s)
{
    Json out{{"key", s.key}, {"passphrase", s.passphrase}, {"key_id", s.keyId}, {"key_mode", s.keyMode}};
    if (s.changePending)
        out["pending_change"] = Json{{"key", s.pendingKey},
                                     {"passphrase", s.pendingPassphrase},
                                     {"key_id", s.pendingKeyId},
                                     {"by_ekm", s.pendingByEkm}};
    return out;
}

}  // namespace

void ReadControllerBlocks(ObjectReader& r, Controller& c)
{
    ReadObject(r, "patrol_read", [&](ObjectReader& pr) { ReadPatrolRead(pr, c.patrolRead); });
    ReadObject(r, "cc_schedule", [&](ObjectReader& cc) { ReadCcSchedule(cc, c.ccSchedule); });
    ReadObject(r, "bios", [&](ObjectReader& bios) { ReadBios(bios, c.bios); });
    ReadObject(r, "dpm", [&](ObjectReader& dpm) { ReadDpm(dpm, c.dpm); });
    ReadObject(r, "security", [&](ObjectReader& s) { ReadSecurity(s, c.security); });
}

void WriteControllerBlocks(const Controller& c, Json& out)
{
    out["patrol_read"] = WritePatrolRead(c.patrolRead);
    out["cc_schedule"] = WriteCcSchedule(c.ccSchedule);
    out["bios"] = WriteBios(c.bios);
    out["dpm"] = WriteDpm(c.dpm);
    // A controller that never held a key keeps its state file free of the block.
    if (c.security != SecurityKeyState{})
        out["security"] = WriteSecurity(c.security);
}

}  // namespace sim
