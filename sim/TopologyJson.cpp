// The topology in the state file: enclosures, drives, configuration, connectors, PHYs,
// background operations, battery and event log.
#include <algorithm>
#include <iterator>

#include "EventLogJson.h"
#include "FieldTable.h"
#include "StateFormat.h"
#include "TopologyBits.h"

namespace sim {
namespace {

constexpr std::size_t kMaxEnclosures = 32;
constexpr std::size_t kMaxDrives = 1024;
constexpr std::size_t kMaxConnectors = 8;
constexpr std::size_t kMaxPhys = 16;
constexpr std::size_t kMaxTargetIds = 64;  // the preserved-cache bitmap's target ids

constexpr EnumName kConnectorLocations[] = {{"unknown", 0}, {"internal", 2}, {"external", 3}};
constexpr EnumName kConnectorModes[] = {{"fixed", 0}, {"internal", 1}, {"external", 2}, {"auto", 3}};
constexpr EnumName kPhyDeviceTypes[] = {{"none", 0}, {"end_device", 1}, {"edge_expander", 2}, {"fanout_expander", 3}};
constexpr EnumName kPhyLinkSpeeds[] = {{"no_limit", 0}, {"1.5g", 1}, {"3g", 2}, {"6g", 4}, {"12g", 8}};


Connector ReadConnector(ObjectReader& r)
{
    Connector connector;
    connector.location = static_cast<u8>(ReadChoice(r, "location", kConnectorLocations, 0));
    connector.name = r.Text("name", 16);
    connector.mode = static_cast<u8>(ReadChoice(r, "mode", kConnectorModes, 0));
    return connector;
}

Json WriteConnector(const Connector& connector)
{
    return Json{{"location", FieldValueJson(connector.location, FieldKind::Enum, kConnectorLocations)},
                {"name", connector.name},
                {"mode", FieldValueJson(connector.mode, FieldKind::Enum, kConnectorModes)}};
}

Phy ReadPhy(ObjectReader& r)
{
    Phy phy;
    phy.attachedSasAddress = r.Hex("sas_address", ~u64{0}, 0);
    phy.phyId = static_cast<u8>(r.Unsigned("phy_id", 0xFF, 0));
    phy.disabled = r.Bool("disabled", false);
    phy.deviceType = static_cast<u8>(ReadChoice(r, "device_type", kPhyDeviceTypes, 0));
    if (const auto protocols = r.Take("protocols"))
        phy.protocols = ReadNameSet(*protocols, r.PathOf("protocols"), PhyProtocolBits());
    phy.linkSpeed = static_cast<u8>(ReadChoice(r, "link_speed", kPhyLinkSpeeds, 0));
    ReadObject(r, "error_counters", [&](ObjectReader& e) {
        phy.errors.invalidDwords = static_cast<u32>(e.Unsigned("invalid_dwords", 0xFFFFFFFF, 0));
        phy.errors.disparityErrors = static_cast<u32>(e.Unsigned("disparity_errors", 0xFFFFFFFF, 0));
        phy.errors.dwordSyncLosses = static_cast<u32>(e.Unsigned("dword_sync_losses", 0xFFFFFFFF, 0));
        phy.errors.resetProblems = static_cast<u32>(e.Unsigned("reset_problems", 0xFFFFFFFF, 0));
    });
    return phy;
}

Json WritePhy(const Phy& phy)
{
    return Json{{"sas_address", HexText(phy.attachedSasAddress, 16)},
                {"phy_id", phy.phyId},
                {"disabled", phy.disabled},
                {"device_type", FieldValueJson(phy.deviceType, FieldKind::Enum, kPhyDeviceTypes)},
                {"protocols", WriteNameSet(phy.protocols, PhyProtocolBits())},
                {"link_speed", FieldValueJson(phy.linkSpeed, FieldKind::Enum, kPhyLinkSpeeds)},
                {"error_counters", Json{{"invalid_dwords", phy.errors.invalidDwords},
                                        {"disparity_errors", phy.errors.disparityErrors},
                                        {"dword_sync_losses", phy.errors.dwordSyncLosses},
                                        {"reset_problems", phy.errors.resetProblems}}}};
}

// Reads the list field `key` item by item as objects.
template <class T, class Read>
void ReadObjects(ObjectReader& r, const char* key, std::size_t maxItems, std::vector<T>& out, Read read)
{
    if (const auto list = r.Take(key); list && list->is_array())
        out.reserve(out.size() + std::min<std::size_t>(list->get_array().value_unsafe().size(), maxItems));
    ReadList(r, key, maxItems, [&](const JsonValue& item, const std::string& path) {
        ObjectReader reader(item, path);
        out.push_back(read(reader));
        reader.Finish();
    });
}

template <class T, class Write>
Json WriteObjects(const std::vector<T>& items, Write write)
{
    Json out = Json::array();
    for (const T& item : items)
        out.push_back(write(item));
    return out;
}

}  // namespace

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

void ReadTopology(ObjectReader& r, Controller& c)
{
    ReadObjects(r, "enclosures", kMaxEnclosures, c.enclosures, ReadEnclosure);
    ReadObjects(r, "drives", kMaxDrives, c.drives, ReadDrive);
    ReadObject(r, "config", [&](ObjectReader& config) { ReadConfig(config, c.config); });
    c.foreign = ReadForeign(r);
    ReadObjects(r, "connectors", kMaxConnectors, c.connectors, ReadConnector);
    ReadObjects(r, "phys", kMaxPhys, c.phys, ReadPhy);
    if (const auto operations = r.Take("operations"))
        c.operations = ReadOperations(*operations, r.PathOf("operations"));
    ReadList(r, "preserved_cache_missing_vds", kMaxTargetIds, [&](const JsonValue& item, const std::string& path) {
        c.preservedCacheMissingVds.push_back(static_cast<u8>(AsUnsigned(item, path, kMaxTargetIds - 1)));
    });
    ReadObject(r, "battery", [&](ObjectReader& b) { ReadBattery(b, c.battery); });
    ReadObject(r, "term_log", [&](ObjectReader& t) { ReadTermLog(t, c.termLog); });
    if (const auto events = r.Take("events"))
        ReadEventLog(*events, r.PathOf("events"), c.events);
    ReadObject(r, "aec", [&](ObjectReader& aec) { ReadEventCapture(aec, c.capture); });
}

void WriteTopology(const Controller& c, Json& out)
{
    out["enclosures"] = WriteObjects(c.enclosures, WriteEnclosure);
    out["drives"] = WriteObjects(c.drives, WriteDrive);
    out["config"] = WriteConfig(c.config);
    out["foreign"] = WriteForeign(c.foreign);
    out["connectors"] = WriteObjects(c.connectors, WriteConnector);
    out["phys"] = WriteObjects(c.phys, WritePhy);
    out["operations"] = WriteOperations(c.operations);
    out["preserved_cache_missing_vds"] = c.preservedCacheMissingVds;
    out["battery"] = WriteBattery(c.battery);
    out["term_log"] = WriteTermLog(c.termLog);
    out["events"] = WriteEventLog(c.events);
    out["aec"] = WriteEventCapture(c.capture);
}

}  // namespace sim
