// An enclosure in the state file. Its elements (power supplies, fans, temperature sensors,
// alarms, SIMs, voltage sensors) are each given as a count of elements in good order or as a
// list of elements with their status and readings:
//   "fans": 3
//   "fans": [{"status": "ok", "speed": 4}, {"status": "critical", "speed": 0}, {"speed": 4}]
// A list whose elements are all in good order with no readings is written back as its count.
#include <algorithm>

#include <simdjson.h>

#include "EnclosureElements.h"
#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr std::size_t kMaxElements = 255;

constexpr EnumName kEnclosureTypes[] = {{"unknown", 0}, {"safte", 1}, {"ses", 2}, {"sgpio", 3}};
constexpr EnumName kSlotElements[] = {{"array_device", 1}, {"device", 0}};

constexpr int kMinCelsius = -20;
constexpr int kMaxCelsius = 235;
constexpr int kMaxMillivolts = 327670;  // a signed 16-bit count of 10 mV

EnclosureElement ReadElement(const JsonValue& item, const std::string& path, const ElementKindInfo& kind)
{
    EnclosureElement e;
    ObjectReader r(item, path);
    if (const auto status = r.Take("status")) {
        const std::string name = AsText(*status, r.PathOf("status"), 32);
        e.status = ElementStatusCode(name);
        if (e.status == kElementStatusCount)
            Fail(r.PathOf("status"), "unknown element status \"" + name + "\"");
    }
    if (!kind.conditions.empty()) {
        if (const auto conditions = r.Take("conditions"))
            e.conditions = ReadNameSet(*conditions, r.PathOf("conditions"), kind.conditions);
    }
    if (kind.kind == ElementKind::Fan)
        e.speed = static_cast<u8>(r.Unsigned("speed", 7, 0));
    if (kind.kind == ElementKind::TemperatureSensor)
        e.celsius = static_cast<int>(r.Signed("celsius", kMinCelsius, kMaxCelsius, 0));
    if (kind.kind == ElementKind::VoltageSensor)
        e.millivolts = static_cast<int>(r.Signed("millivolts", -kMaxMillivolts, kMaxMillivolts, 0));
    r.Finish();
    return e;
}

void ReadElements(ObjectReader& r, const ElementKindInfo& kind, std::vector<EnclosureElement>& out)
{
    const auto value = r.Take(kind.name);
    if (!value)
        return;
    const std::string path = r.PathOf(kind.name);
    if (value->type() != simdjson::dom::element_type::ARRAY) {
        out.assign(AsUnsigned(*value, path, kMaxElements), EnclosureElement{});
        return;
    }
    ReadItems(*value, path, kMaxElements, [&](const JsonValue& item, const std::string& itemPath) {
        out.push_back(ReadElement(item, itemPath, kind));
    });
}

Json WriteElements(const ElementKindInfo& kind, const std::vector<EnclosureElement>& elements)
{
    if (std::all_of(elements.begin(), elements.end(), [](const EnclosureElement& e) { return e == EnclosureElement{}; }))
        return elements.size();
    Json out = Json::array();
    for (const EnclosureElement& e : elements) {
        Json element = Json::object();
        element["status"] = ElementStatusName(e.status);
        if (!kind.conditions.empty())
            element["conditions"] = WriteNameSet(e.conditions, kind.conditions);
        if (kind.kind == ElementKind::Fan)
            element["speed"] = e.speed;
        if (kind.kind == ElementKind::TemperatureSensor)
            element["celsius"] = e.celsius;
        if (kind.kind == ElementKind::VoltageSensor)
            element["millivolts"] = e.millivolts;
        out.push_back(std::move(element));
    }
    return out;
}

std::optional<EnclosureFru> ReadFru(ObjectReader& parent)
{
    const auto value = parent.Take("fru");
    if (!value || value->is_null())
        return std::nullopt;
    EnclosureFru fru;
    ObjectReader r(*value, parent.PathOf("fru"));
    fru.serial = r.Text("serial", 8);
    fru.partNumber = r.Text("part_number", 8);
    fru.esmSerial = r.Text("esm_serial", 6);
    fru.zoningMode = r.Text("zoning_mode", 4);
    r.Finish();
    return fru;
}

Json WriteFru(const std::optional<EnclosureFru>& fru)
{
    if (!fru)
        return nullptr;
    return Json{{"serial", fru->serial},
                {"part_number", fru->partNumber},
                {"esm_serial", fru->esmSerial},
                {"zoning_mode", fru->zoningMode}};
}

}  // namespace

Enclosure ReadEnclosure(ObjectReader& r)
{
    Enclosure e;
    e.deviceId = static_cast<u16>(r.Unsigned("device_id", 0xFFFE, 0));
    e.slots = static_cast<u8>(r.Unsigned("slots", 0xFF, 0));
    for (const ElementKindInfo& kind : ElementKinds())
        ReadElements(r, kind, e.*kind.elements);
    e.arrayDeviceSlots = ReadChoice(r, "slot_elements", kSlotElements, 1) != 0;
    e.connector = static_cast<u8>(r.Unsigned("connector", 0xFF, 0));
    e.fault = r.Bool("fault", false);
    e.type = static_cast<u8>(ReadChoice(r, "type", kEnclosureTypes, 0));
    e.position = static_cast<u8>(r.Unsigned("position", 0xFF, 0));
    if (const auto partner = r.Take("partner"); partner && !partner->is_null())
        e.partner = static_cast<u16>(AsUnsigned(*partner, r.PathOf("partner"), 0xFFFE));
    e.sasAddress = r.Hex("sas_address", ~u64{0}, 0);
    e.inquiry = ReadInquiry(r);
    e.fru = ReadFru(r);
    ReadDeviceFirmware(r, e.firmware);
    return e;
}

Json WriteEnclosure(const Enclosure& e)
{
    Json out = Json::object();
    out["device_id"] = e.deviceId;
    out["slots"] = e.slots;
    for (const ElementKindInfo& kind : ElementKinds())
        out[kind.name] = WriteElements(kind, e.*kind.elements);
    out["slot_elements"] = FieldValueJson(e.arrayDeviceSlots, FieldKind::Enum, kSlotElements);
    out["connector"] = e.connector;
    out["fault"] = e.fault;
    out["type"] = FieldValueJson(e.type, FieldKind::Enum, kEnclosureTypes);
    out["position"] = e.position;
    out["partner"] = e.partner == kNoEnclosure ? Json(nullptr) : Json(e.partner);
    out["sas_address"] = HexText(e.sasAddress, 16);
    out["inquiry"] = WriteInquiry(e.inquiry);
    out["fru"] = WriteFru(e.fru);
    out["firmware"] = WriteDeviceFirmware(e.firmware);
    return out;
}

}  // namespace sim
