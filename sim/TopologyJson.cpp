// The topology in the state file: enclosures, drives, configuration, battery and event log.
#include <algorithm>
#include <iterator>

#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr std::size_t kMaxEnclosures = 32;
constexpr std::size_t kMaxDrives = 1024;
constexpr std::size_t kMaxArrays = 256;
constexpr std::size_t kMaxRows = 32;
constexpr std::size_t kMaxVirtualDrives = 64;
constexpr std::size_t kMaxSpans = 8;

constexpr EnumName kDriveStates[] = {
    {"unconfigured_good", 0x00}, {"unconfigured_bad", 0x01}, {"hot_spare", 0x02},
    {"offline", 0x10},           {"failed", 0x11},           {"rebuild", 0x14},
    {"online", 0x18},            {"copyback", 0x20},         {"jbod", 0x40},
};
constexpr EnumName kInterfaces[] = {{"sas", 0}, {"sata", 1}};
constexpr EnumName kMedia[] = {{"hdd", 0}, {"ssd", 1}};
constexpr u64 kRaidLevels[] = {0, 1, 5, 6, 10, 50, 60};

constexpr const char* kBatteryConditions[] = {
    "pack_missing",        "voltage_low",           "temperature_high",    "charge_active",
    "discharge_active",    "learn_cycle_requested", "learn_cycle_active",  "learn_cycle_failed",
    "learn_cycle_timeout", "i2c_errors",            "replace_pack",        "capacity_low",
    "periodic_learn_required",
};

u64 Choice(ObjectReader& r, const char* key, std::span<const EnumName> names, u64 fallback)
{
    const Json* value = r.Take(key);
    return value != nullptr ? ReadFieldValue(*value, r.PathOf(key), FieldKind::Enum, 255, names) : fallback;
}

Inquiry ReadInquiry(ObjectReader& parent)
{
    Inquiry inquiry;
    ReadObject(parent, "inquiry", [&](ObjectReader& r) {
        inquiry.vendor = r.Text("vendor", 8);
        inquiry.product = r.Text("product", 16);
        inquiry.revision = r.Text("revision", 4);
    });
    return inquiry;
}

Json WriteInquiry(const Inquiry& inquiry)
{
    return Json{{"vendor", inquiry.vendor}, {"product", inquiry.product}, {"revision", inquiry.revision}};
}

Enclosure ReadEnclosure(ObjectReader& r)
{
    Enclosure e;
    e.deviceId = static_cast<u16>(r.Unsigned("device_id", 0xFFFE, 0));
    e.slots = static_cast<u8>(r.Unsigned("slots", 0xFF, 0));
    e.powerSupplies = static_cast<u8>(r.Unsigned("power_supplies", 0xFF, 0));
    e.fans = static_cast<u8>(r.Unsigned("fans", 0xFF, 0));
    e.temperatureSensors = static_cast<u8>(r.Unsigned("temperature_sensors", 0xFF, 0));
    e.alarms = static_cast<u8>(r.Unsigned("alarms", 0xFF, 0));
    e.sims = static_cast<u8>(r.Unsigned("sims", 0xFF, 0));
    e.connector = static_cast<u8>(r.Unsigned("connector", 0xFF, 0));
    e.inquiry = ReadInquiry(r);
    return e;
}

Json WriteEnclosure(const Enclosure& e)
{
    return Json{{"device_id", e.deviceId},   {"slots", e.slots},
                {"power_supplies", e.powerSupplies}, {"fans", e.fans},
                {"temperature_sensors", e.temperatureSensors}, {"alarms", e.alarms},
                {"sims", e.sims},            {"connector", e.connector},
                {"inquiry", WriteInquiry(e.inquiry)}};
}

Drive ReadDrive(ObjectReader& r)
{
    Drive d;
    d.deviceId = static_cast<u16>(r.Unsigned("device_id", 0xFFFE, 0));
    d.seq = static_cast<u16>(r.Unsigned("seq", 0xFFFF, 0));
    const Json* enclosure = r.Take("enclosure");
    d.enclosure = enclosure == nullptr || enclosure->is_null()
                      ? kNoEnclosure
                      : static_cast<u16>(AsUnsigned(*enclosure, r.PathOf("enclosure"), 0xFFFE));
    d.slot = static_cast<u8>(r.Unsigned("slot", 0xFF, 0));
    d.state = static_cast<DriveState>(Choice(r, "state", kDriveStates, 0));
    d.interface = static_cast<DriveInterface>(Choice(r, "interface", kInterfaces, 0));
    d.media = static_cast<DriveMedia>(Choice(r, "media", kMedia, 0));
    d.blocks = r.Unsigned("blocks", ~u64{0}, 0);
    d.sasAddress = r.Hex("sas_address", ~u64{0}, 0);
    d.serial = r.Text("serial", 20);
    d.inquiry = ReadInquiry(r);
    d.smartAlert = r.Bool("smart_alert", false);
    return d;
}

Json WriteDrive(const Drive& d)
{
    Json out = Json::object();
    out["device_id"] = d.deviceId;
    out["seq"] = d.seq;
    out["enclosure"] = d.enclosure == kNoEnclosure ? Json(nullptr) : Json(d.enclosure);
    out["slot"] = d.slot;
    out["state"] = FieldValueJson(static_cast<u64>(d.state), FieldKind::Enum, kDriveStates);
    out["interface"] = FieldValueJson(static_cast<u64>(d.interface), FieldKind::Enum, kInterfaces);
    out["media"] = FieldValueJson(static_cast<u64>(d.media), FieldKind::Enum, kMedia);
    out["blocks"] = d.blocks;
    out["sas_address"] = HexText(d.sasAddress, 16);
    out["serial"] = d.serial;
    out["inquiry"] = WriteInquiry(d.inquiry);
    out["smart_alert"] = d.smartAlert;
    return out;
}

std::vector<u16> ReadIds(ObjectReader& r, const char* key, std::size_t maxItems, bool allowMissing)
{
    std::vector<u16> ids;
    ReadList(r, key, maxItems, [&](const Json& item, const std::string& path) {
        if (allowMissing && item.is_null())
            ids.push_back(kMissingRow);
        else
            ids.push_back(static_cast<u16>(AsUnsigned(item, path, 0xFFFE)));
    });
    return ids;
}

Json WriteIds(const std::vector<u16>& ids)
{
    Json out = Json::array();
    for (u16 id : ids)
        out.push_back(id == kMissingRow ? Json(nullptr) : Json(id));
    return out;
}

void ReadConfig(ObjectReader& r, Configuration& config)
{
    ReadList(r, "arrays", kMaxArrays, [&](const Json& item, const std::string& path) {
        ObjectReader a(item, path);
        DriveArray array;
        array.ref = static_cast<u16>(a.Unsigned("ref", 0xFFFE, 0));
        array.rows = ReadIds(a, "drives", kMaxRows, true);
        a.Finish();
        config.arrays.push_back(array);
    });
    ReadList(r, "virtual_drives", kMaxVirtualDrives, [&](const Json& item, const std::string& path) {
        ObjectReader v(item, path);
        VirtualDrive vd;
        vd.targetId = static_cast<u8>(v.Unsigned("target_id", 0xFF, 0));
        vd.name = v.Text("name", 15);
        vd.raidLevel = static_cast<u8>(v.Unsigned("raid_level", 60, 0));
        if (std::find(std::begin(kRaidLevels), std::end(kRaidLevels), vd.raidLevel) == std::end(kRaidLevels))
            Fail(v.PathOf("raid_level"), "expected one of 0, 1, 5, 6, 10, 50, 60");
        vd.arrays = ReadIds(v, "arrays", kMaxSpans, false);
        vd.blocks = v.Unsigned("blocks", ~u64{0}, 0);
        if (const Json* strip = v.Take("strip_size_kb"))
            vd.stripCode = static_cast<u8>(
                ReadFieldValue(*strip, v.PathOf("strip_size_kb"), FieldKind::StripKb, kMaxStripCode, {}));
        v.Finish();
        config.virtualDrives.push_back(vd);
    });
    ReadList(r, "spares", kMaxDrives, [&](const Json& item, const std::string& path) {
        ObjectReader s(item, path);
        Spare spare;
        spare.deviceId = static_cast<u16>(s.Unsigned("device_id", 0xFFFE, 0));
        spare.arrays = ReadIds(s, "arrays", 16, false);
        spare.revertible = s.Bool("revertible", false);
        spare.enclosureAffinity = s.Bool("enclosure_affinity", false);
        s.Finish();
        config.spares.push_back(spare);
    });
}

Json WriteConfig(const Configuration& config)
{
    Json arrays = Json::array();
    for (const DriveArray& a : config.arrays)
        arrays.push_back(Json{{"ref", a.ref}, {"drives", WriteIds(a.rows)}});
    Json vds = Json::array();
    for (const VirtualDrive& v : config.virtualDrives)
        vds.push_back(Json{{"target_id", v.targetId},
                           {"name", v.name},
                           {"raid_level", v.raidLevel},
                           {"arrays", WriteIds(v.arrays)},
                           {"blocks", v.blocks},
                           {"strip_size_kb", FieldValueJson(v.stripCode, FieldKind::StripKb, {})}});
    Json spares = Json::array();
    for (const Spare& s : config.spares)
        spares.push_back(Json{{"device_id", s.deviceId},
                              {"arrays", WriteIds(s.arrays)},
                              {"revertible", s.revertible},
                              {"enclosure_affinity", s.enclosureAffinity}});
    return Json{{"arrays", std::move(arrays)}, {"virtual_drives", std::move(vds)}, {"spares", std::move(spares)}};
}

void ReadBattery(ObjectReader& r, Battery& battery)
{
    battery.present = r.Bool("present", false);
    battery.type = static_cast<u8>(r.Unsigned("type", 0xFF, 0));
    battery.qualifier = static_cast<u8>(r.Unsigned("qualifier", 0xFF, 0));
    ReadList(r, "conditions", std::size(kBatteryConditions), [&](const Json& item, const std::string& path) {
        const std::string name = AsText(item, path, 64);
        if (std::find_if(std::begin(kBatteryConditions), std::end(kBatteryConditions),
                         [&](const char* known) { return name == known; }) == std::end(kBatteryConditions))
            Fail(path, "unknown battery condition \"" + name + "\"");
        battery.conditions.insert(name);
    });
    battery.deviceName = r.Text("device_name", 32);
}

Json WriteBattery(const Battery& battery)
{
    Json conditions = Json::array();
    for (const char* name : kBatteryConditions) {
        if (battery.conditions.count(name) != 0)
            conditions.push_back(name);
    }
    return Json{{"present", battery.present},
                {"type", battery.type},
                {"qualifier", battery.qualifier},
                {"conditions", std::move(conditions)},
                {"device_name", battery.deviceName}};
}

}  // namespace

void ReadTopology(ObjectReader& r, Controller& c)
{
    ReadList(r, "enclosures", kMaxEnclosures, [&](const Json& item, const std::string& path) {
        ObjectReader e(item, path);
        c.enclosures.push_back(ReadEnclosure(e));
        e.Finish();
    });
    ReadList(r, "drives", kMaxDrives, [&](const Json& item, const std::string& path) {
        ObjectReader d(item, path);
        c.drives.push_back(ReadDrive(d));
        d.Finish();
    });
    ReadObject(r, "config", [&](ObjectReader& config) { ReadConfig(config, c.config); });
    ReadObject(r, "battery", [&](ObjectReader& b) { ReadBattery(b, c.battery); });
    if (const Json* events = r.Take("events"))
        c.events = AsArray(*events, r.PathOf("events"), 1u << 20);
}

void WriteTopology(const Controller& c, Json& out)
{
    Json enclosures = Json::array();
    for (const Enclosure& e : c.enclosures)
        enclosures.push_back(WriteEnclosure(e));
    out["enclosures"] = std::move(enclosures);
    Json drives = Json::array();
    for (const Drive& d : c.drives)
        drives.push_back(WriteDrive(d));
    out["drives"] = std::move(drives);
    out["config"] = WriteConfig(c.config);
    out["battery"] = WriteBattery(c.battery);
    out["events"] = c.events;
}

}  // namespace sim
