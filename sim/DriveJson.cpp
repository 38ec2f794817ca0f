// A drive in the state file.
#include "FieldTable.h"
#include "StateFormat.h"
#include "TopologyBits.h"

namespace sim {
namespace {

constexpr EnumName kDriveStates[] = {
    {"unconfigured_good", 0x00}, {"unconfigured_bad", 0x01}, {"hot_spare", 0x02},
    {"offline", 0x10},           {"failed", 0x11},           {"rebuild", 0x14},
    {"online", 0x18},            {"copyback", 0x20},         {"jbod", 0x40},
    {"shielded", 0x80},          {"unconfigured_shielded", 0x82}, {"hot_spare_shielded", 0x90},
};
constexpr EnumName kInterfaces[] = {{"sas", 0}, {"sata", 1}};
constexpr EnumName kMedia[] = {{"hdd", 0}, {"ssd", 1}};
constexpr EnumName kSpeeds[] = {{"unknown", 0}, {"1.5g", 1}, {"3g", 2}, {"6g", 3}, {"12g", 4}};
constexpr unsigned kPorts = 8;

// The path addresses: `sas_addresses` (a list), or `sas_address` for a drive with one path.
std::vector<u64> ReadSasAddresses(ObjectReader& r)
{
    const auto one = r.Take("sas_address");
    if (one && r.Take("sas_addresses"))
        Fail(r.PathOf("sas_address"), "give either \"sas_address\" or \"sas_addresses\"");
    if (one)
        return {AsHex(*one, r.PathOf("sas_address"), ~u64{0})};
    std::vector<u64> addresses;
    ReadList(r, "sas_addresses", kMaxDrivePaths, [&](const JsonValue& item, const std::string& path) {
        addresses.push_back(AsHex(item, path, ~u64{0}));
    });
    return addresses;
}

u8 ReadPorts(ObjectReader& r)
{
    u8 ports = 0;
    ReadList(r, "ports", kPorts, [&](const JsonValue& item, const std::string& path) {
        ports = static_cast<u8>(ports | (1u << AsUnsigned(item, path, kPorts - 1)));
    });
    return ports;
}

Json WritePorts(u8 ports)
{
    Json out = Json::array();
    for (unsigned port = 0; port < kPorts; ++port) {
        if ((ports >> port) & 1u)
            out.push_back(port);
    }
    return out;
}

}  // namespace

Drive ReadDrive(ObjectReader& r)
{
    Drive d;
    d.deviceId = static_cast<u16>(r.Unsigned("device_id", 0xFFFE, 0));
    d.seq = static_cast<u16>(r.Unsigned("seq", 0xFFFF, 0));
    const auto enclosure = r.Take("enclosure");
    d.enclosure = !enclosure || enclosure->is_null()
                      ? kNoEnclosure
                      : static_cast<u16>(r.UnsignedOf(*enclosure, "enclosure", 0xFFFE));
    d.slot = static_cast<u8>(r.Unsigned("slot", 0xFF, 0));
    d.state = static_cast<DriveState>(ReadChoice(r, "state", kDriveStates, 0));
    d.interface = static_cast<DriveInterface>(ReadChoice(r, "interface", kInterfaces, 0));
    d.media = static_cast<DriveMedia>(ReadChoice(r, "media", kMedia, 0));
    d.blocks = r.Unsigned("blocks", kMaxBlocks, 0);
    d.sasAddresses = ReadSasAddresses(r);
    d.ports = ReadPorts(r);
    d.deviceSpeed = static_cast<u8>(ReadChoice(r, "device_speed", kSpeeds, 0));
    d.linkSpeed = static_cast<u8>(ReadChoice(r, "link_speed", kSpeeds, 0));
    d.serial = r.Text("serial", 20);
    d.inquiry = ReadInquiry(r);
    d.smartAlert = r.Bool("smart_alert", false);
    d.temperature = static_cast<u8>(r.Unsigned("temperature", 0xFF, 0));
    d.mediaErrors = static_cast<u32>(r.Unsigned("media_errors", 0xFFFFFFFF, 0));
    d.otherErrors = static_cast<u32>(r.Unsigned("other_errors", 0xFFFFFFFF, 0));
    d.predictiveFailures = static_cast<u32>(r.Unsigned("predictive_failures", 0xFFFFFFFF, 0));
    d.lastPredictiveFailureSeq = static_cast<u32>(r.Unsigned("last_predictive_failure_seq", 0xFFFFFFFF, 0));
    d.foreign = r.Bool("foreign", false);
    d.piCapable = r.Bool("pi_capable", false);
    d.piFormatted = r.Bool("pi_formatted", false);
    d.spunDown = r.Bool("spun_down", false);
    d.reprovisionAllowed = r.Bool("reprovision_allowed", false);
    const auto security = r.Take("security");
    if (security && !(security->is_array() && security->get_array().value_unsafe().size() == 0))
        d.security = ReadNameSet(*security, r.PathOf("security"), DriveSecurityBits());
    d.sectorSize = static_cast<u16>(r.Unsigned("sector_size", 0xFFFF, 0));
    d.bridge = r.Bool("bridge", false);
    d.primaryDefects = static_cast<u32>(r.Unsigned("primary_defects", 0xFFFFFFFF, 0));
    d.grownDefects = static_cast<u32>(r.Unsigned("grown_defects", 0xFFFFFFFF, 0));
    const auto former = r.Take("former_spare");
    if (former && !former->is_null()) {
        ObjectReader f(*former, r.PathOf("former_spare"));
        FormerSpare spare;
        ReadList(f, "arrays", kMaxSpareArrays, [&](const JsonValue& item, const std::string& path) {
            spare.arrays.push_back(static_cast<u16>(AsUnsigned(item, path, 0xFFFE)));
        });
        spare.enclosureAffinity = f.Bool("enclosure_affinity", false);
        f.Finish();
        d.formerSpare = spare;
    }
    const auto statistics = r.Take("statistics");
    if (statistics && !statistics->is_null())
        d.statistics = ReadDriveStatistics(*statistics, r.PathOf("statistics"));
    ReadDeviceFirmware(r, d.firmware);
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
    Json addresses = Json::array();
    for (u64 a : d.sasAddresses)
        addresses.push_back(HexText(a, 16));
    out["sas_addresses"] = std::move(addresses);
    out["ports"] = WritePorts(d.ports);
    out["device_speed"] = FieldValueJson(d.deviceSpeed, FieldKind::Enum, kSpeeds);
    out["link_speed"] = FieldValueJson(d.linkSpeed, FieldKind::Enum, kSpeeds);
    out["serial"] = d.serial;
    out["inquiry"] = WriteInquiry(d.inquiry);
    out["smart_alert"] = d.smartAlert;
    out["temperature"] = d.temperature;
    out["media_errors"] = d.mediaErrors;
    out["other_errors"] = d.otherErrors;
    out["predictive_failures"] = d.predictiveFailures;
    out["last_predictive_failure_seq"] = d.lastPredictiveFailureSeq;
    out["foreign"] = d.foreign;
    out["pi_capable"] = d.piCapable;
    out["pi_formatted"] = d.piFormatted;
    out["spun_down"] = d.spunDown;
    out["reprovision_allowed"] = d.reprovisionAllowed;
    out["security"] = WriteNameSet(d.security, DriveSecurityBits());
    out["sector_size"] = d.sectorSize;
    out["bridge"] = d.bridge;
    out["primary_defects"] = d.primaryDefects;
    out["grown_defects"] = d.grownDefects;
    if (d.formerSpare) {
        Json arrays = Json::array();
        for (u16 ref : d.formerSpare->arrays)
            arrays.push_back(ref);
        out["former_spare"] = Json{{"arrays", std::move(arrays)}, {"enclosure_affinity", d.formerSpare->enclosureAffinity}};
    } else {
        out["former_spare"] = nullptr;
    }
    out["statistics"] = d.statistics.Empty() ? Json(nullptr) : WriteDriveStatistics(d.statistics);
    out["firmware"] = WriteDeviceFirmware(d.firmware);
    return out;
}

}  // namespace sim
