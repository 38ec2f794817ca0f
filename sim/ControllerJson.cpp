// The controller's own fields in the state file: info, properties, defaults (and the factory's),
// manufacturing data, battery FRU, key=value settings and OEM flags.
#include <algorithm>
#include <cstdio>

#include "Clock.h"
#include "DefaultsFields.h"
#include "FlashJson.h"
#include "PerfMonitorJson.h"
#include "InfoFlags.h"
#include "InfoLayout.h"
#include "OemFields.h"
#include "PropertiesFields.h"
#include "StateFormat.h"

namespace sim {
namespace {

using L = ControllerLimits;

const FieldDef<L> kLimitFields[] = {
    NumberField("max_arms_per_vd", &L::maxArmsPerVd, 0xFF),
    NumberField("max_spans_per_vd", &L::maxSpansPerVd, 0xFF),
    NumberField("max_arrays", &L::maxArrays, 0xFF),
    NumberField("max_vds", &L::maxVds, 0xFF),
    NumberField("max_parallel_commands", &L::maxParallelCommands, 0xFFFF),
    NumberField("max_sge_count", &L::maxSgeCount, 0xFFFF),
    NumberField("max_transfer_sectors", &L::maxTransferSectors, 0xFFFFFFFF),
    NumberField("max_strips_per_io", &L::maxStripsPerIo, 0xFFFF),
    NumberField("max_vds_per_array", &L::maxVdsPerArray, 0xFF),
    {"min_strip_size_kb", &L::minStripCode, FieldKind::StripKb, kMaxStripCode, {}},
    {"max_strip_size_kb", &L::maxStripCode, FieldKind::StripKb, kMaxStripCode, {}},
    NumberField("max_flash_tier_gb", &L::maxFlashTierGb, 0xFFFF),
};

constexpr std::size_t kMaxKeyValues = 256;

// A packed date: day bits 0-4, month bits 5-8, years since 2000 bits 9-15. "" is no date.
u16 ReadPackedDate(ObjectReader& r, const char* key)
{
    const std::string text = r.Text(key, 10);
    if (text.empty())
        return 0;
    unsigned year = 0, month = 0, day = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4u-%2u-%2u%c", &year, &month, &day, &tail) != 3 ||
        year < 2000 || year > 2127 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        Fail(r.PathOf(key), "expected a date \"YYYY-MM-DD\" from 2000 to 2127, or \"\"");
    return static_cast<u16>(((year - 2000) << 9) | (month << 5) | day);
}

std::string PackedDateText(u16 packed)
{
    if (packed == 0)
        return "";
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", 2000u + (packed >> 9), (packed >> 5) & 0xFu, packed & 0x1Fu);
    return text;
}

std::vector<ImageComponent> ReadImages(ObjectReader& r, const char* key)
{
    std::vector<ImageComponent> images;
    ReadList(r, key, info::kMaxImages, [&](const JsonValue& item, const std::string& path) {
        ObjectReader image(item, path);
        images.push_back({image.Text("name", info::kImageNameSize), image.Text("version", info::kImageVersionSize)});
        image.Finish();
    });
    return images;
}

Json WriteImages(const std::vector<ImageComponent>& images)
{
    Json out = Json::array();
    for (const ImageComponent& image : images)
        out.push_back(Json{{"name", image.name}, {"version", image.version}});
    return out;
}

std::vector<u64> ReadAddresses(ObjectReader& r, const char* key, std::size_t maxItems)
{
    std::vector<u64> addresses;
    ReadList(r, key, maxItems, [&](const JsonValue& item, const std::string& path) {
        addresses.push_back(AsHex(item, path, ~u64{0}));
    });
    return addresses;
}

Json WriteAddresses(const std::vector<u64>& addresses)
{
    Json out = Json::array();
    for (u64 a : addresses)
        out.push_back(HexText(a, 16));
    return out;
}

void ReadNames(ObjectReader& r, const char* key, NameSet& names, std::span<const NamedBit> table)
{
    if (const auto value = r.Take(key))
        names = ReadNameSet(*value, r.PathOf(key), table);
}

void ReadInfo(ObjectReader& r, ControllerInfo& info)
{
    info.productName = r.Text("product_name", info::kProductNameSize);
    info.serial = r.Text("serial", info::kSerialSize);
    info.packageBuild = r.Text("package_build", info::kPackageBuildSize);
    info.controllerId = r.Unsigned("controller_id", 0xFFFF, 0);
    info.chipRevision = r.Text("chip_revision", info::kChipRevisionSize);
    ReadNames(r, "host_interface", info.hostInterface, HostInterfaceBits());
    info.hostPorts = ReadAddresses(r, "host_ports", info::kMaxHostPorts);
    ReadNames(r, "device_interface", info.deviceInterface, DeviceInterfaceBits());
    info.devicePorts = ReadAddresses(r, "device_ports", info::kMaxDevicePorts);
    info.images = ReadImages(r, "images");
    info.pendingImages = ReadImages(r, "pending_images");
    ReadNames(r, "hardware_present", info.hardwarePresent, HardwarePresentBits());
    info.memoryMb = r.Unsigned("memory_mb", 0xFFFF, 0);
    info.nvramKb = r.Unsigned("nvram_kb", 0xFFFF, 0);
    info.flashMb = r.Unsigned("flash_mb", 0xFFFF, 0);
    info.fwCacheMb = r.Unsigned("fw_cache_mb", 0xFFFF, 0);
    ReadObject(r, "memory_errors", [&](ObjectReader& e) {
        info.memoryCorrectableErrors = e.Unsigned("correctable", 0xFFFF, 0);
        info.memoryUncorrectableErrors = e.Unsigned("uncorrectable", 0xFFFF, 0);
    });
    ReadObject(r, "cluster", [&](ObjectReader& c) {
        info.clusterPermitted = c.Bool("permitted", false);
        info.clusterActive = c.Bool("active", false);
    });
    ReadObject(r, "temperatures", [&](ObjectReader& t) {
        info.rocTemperature = t.Unsigned("roc", 0xFF, 0);
        info.controllerTemperature = t.Unsigned("controller", 0xFF, 0);
    });
    info.expanderFirmware = r.Text("expander_firmware", info::kExpanderFirmwareSize);
    info.eccBucketCount = r.Unsigned("ecc_bucket_count", 0xFFFF, 0);
    ReadNames(r, "raid_levels", info.raidLevels, RaidLevelBits());
    ReadNames(r, "drive_support", info.driveSupport, DriveSupportBits());
    ReadNames(r, "capabilities", info.capabilities, CapabilityBits());
    ReadNames(r, "status_flags", info.statusFlags, StatusFlagBits());
    ReadObject(r, "limits", [&](ObjectReader& l) { ReadFields<L>(l, info.limits, kLimitFields); });
}

Json WriteInfo(const ControllerInfo& info)
{
    Json out = Json::object();
    out["product_name"] = info.productName;
    out["serial"] = info.serial;
    out["package_build"] = info.packageBuild;
    out["controller_id"] = info.controllerId;
    out["chip_revision"] = info.chipRevision;
    out["host_interface"] = WriteNameSet(info.hostInterface, HostInterfaceBits());
    out["host_ports"] = WriteAddresses(info.hostPorts);
    out["device_interface"] = WriteNameSet(info.deviceInterface, DeviceInterfaceBits());
    out["device_ports"] = WriteAddresses(info.devicePorts);
    out["images"] = WriteImages(info.images);
    out["pending_images"] = WriteImages(info.pendingImages);
    out["hardware_present"] = WriteNameSet(info.hardwarePresent, HardwarePresentBits());
    out["memory_mb"] = info.memoryMb;
    out["nvram_kb"] = info.nvramKb;
    out["flash_mb"] = info.flashMb;
    out["fw_cache_mb"] = info.fwCacheMb;
    out["memory_errors"] = Json{{"correctable", info.memoryCorrectableErrors},
                                {"uncorrectable", info.memoryUncorrectableErrors}};
    out["cluster"] = Json{{"permitted", info.clusterPermitted}, {"active", info.clusterActive}};
    out["temperatures"] = Json{{"roc", info.rocTemperature}, {"controller", info.controllerTemperature}};
    out["expander_firmware"] = info.expanderFirmware;
    out["ecc_bucket_count"] = info.eccBucketCount;
    out["raid_levels"] = WriteNameSet(info.raidLevels, RaidLevelBits());
    out["drive_support"] = WriteNameSet(info.driveSupport, DriveSupportBits());
    out["capabilities"] = WriteNameSet(info.capabilities, CapabilityBits());
    out["status_flags"] = WriteNameSet(info.statusFlags, StatusFlagBits());
    out["limits"] = WriteFields<L>(info.limits, kLimitFields);
    return out;
}

void ReadKeyValues(ObjectReader& r, Controller& c)
{
    const auto value = r.Take("kv");
    if (!value)
        return;
    const std::string path = r.PathOf("kv");
    if (!value->is_object())
        Fail(path, "expected an object of texts");
    const simdjson::dom::object fields = value->get_object().value_unsafe();
    for (const auto field : fields) {
        const std::string key(field.key);
        if (key.empty() || key.find('=') != std::string::npos || key.find('\0') != std::string::npos)
            Fail(path, "a key must be a non-empty text without \"=\"");
        std::string text = AsText(field.value, path + "." + key, 1000);
        // A key given twice keeps its first place and its last value.
        const auto known = std::find_if(c.keyValues.begin(), c.keyValues.end(),
                                        [&](const auto& kv) { return kv.first == key; });
        if (known != c.keyValues.end()) {
            known->second = std::move(text);
            continue;
        }
        if (c.keyValues.size() == kMaxKeyValues)
            Fail(path, "more than " + std::to_string(kMaxKeyValues) + " entries");
        c.keyValues.emplace_back(key, std::move(text));
    }
}

}  // namespace

void ReadControllerSettings(ObjectReader& r, Controller& c)
{
    ReadObject(r, "info", [&](ObjectReader& info) { ReadInfo(info, c.info); });
    ReadObject(r, "properties",
               [&](ObjectReader& p) { ReadBlockFields<ControllerProperties>(p, c.properties, PropertiesFields()); });
    ReadObject(r, "defaults",
               [&](ObjectReader& d) { ReadBlockFields<ControllerDefaults>(d, c.defaults, DefaultsFields()); });
    ReadObject(r, "factory_defaults", [&](ObjectReader& d) {
        c.factoryDefaults.emplace();
        ReadBlockFields<ControllerDefaults>(d, *c.factoryDefaults, DefaultsFields());
    });
    ReadObject(r, "mfg", [&](ObjectReader& m) {
        c.mfg.date = ReadPackedDate(m, "date");
        c.mfg.serial = m.Text("serial", 16);
        c.mfg.reworkDate = ReadPackedDate(m, "rework_date");
        c.mfg.revision = m.Text("revision", 8);
    });
    c.batteryFru = r.Text("battery_fru", 8);
    ReadKeyValues(r, c);
    ReadObject(r, "oem", [&](ObjectReader& o) { ReadBlockFields<OemFlags>(o, c.oem, OemFields()); });
    ReadObject(r, "flash", [&](ObjectReader& f) { ReadFlash(f, c.flash); });
    ReadObject(r, "jbod_conversions", [&](ObjectReader& j) {
        c.jbodConversions.done = j.Unsigned("done", 0xFFFFFFFF, 0);
        c.jbodConversions.limit = j.Unsigned("limit", 0xFFFFFFFF, 0);
    });
    ReadControllerBlocks(r, c);
    ReadObject(r, "perf_monitor", [&](ObjectReader& p) { ReadPerfMonitor(p, c.perfMonitor); });
}

void WriteControllerSettings(const Controller& c, Json& out)
{
    out["info"] = WriteInfo(c.info);
    out["properties"] = WriteBlockFields<ControllerProperties>(c.properties, PropertiesFields());
    out["defaults"] = WriteBlockFields<ControllerDefaults>(c.defaults, DefaultsFields());
    if (c.factoryDefaults)
        out["factory_defaults"] = WriteBlockFields<ControllerDefaults>(*c.factoryDefaults, DefaultsFields());
    out["mfg"] = Json{{"date", PackedDateText(c.mfg.date)},
                      {"serial", c.mfg.serial},
                      {"rework_date", PackedDateText(c.mfg.reworkDate)},
                      {"revision", c.mfg.revision}};
    out["battery_fru"] = c.batteryFru;
    Json kv = Json::object();
    for (const auto& [key, value] : c.keyValues)
        kv[key] = value;
    out["kv"] = std::move(kv);
    out["oem"] = WriteBlockFields<OemFlags>(c.oem, OemFields());
    out["flash"] = WriteFlash(c.flash);
    out["jbod_conversions"] = Json{{"done", c.jbodConversions.done}, {"limit", c.jbodConversions.limit}};
    WriteControllerBlocks(c, out);
    out["perf_monitor"] = WritePerfMonitor(c.perfMonitor);
}

}  // namespace sim
