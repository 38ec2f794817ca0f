#include "EnclosureElements.h"

#include <algorithm>
#include <iterator>

namespace sim {
namespace {

// Within a status element.
constexpr u32 kStatusByte = 0;  // bits 0-3: the element status code
constexpr u32 kSlotAddress = 1;  // device slots
constexpr u32 kTemperatureByte = 2;  // degrees Celsius + 20
constexpr u32 kSpeedByte = 3;    // fans: bits 0-2 the actual speed code
constexpr u32 kVoltageBytes = 2;      // signed 16 bits, big-endian, in 10 mV
constexpr int kTemperatureOffset = 20;

constexpr NamedBit kPowerSupplyBits[] = {
    {"dc_over_current", 2, 1, false}, {"dc_under_voltage", 2, 2, false}, {"dc_over_voltage", 2, 3, false},
    {"dc_failed", 3, 0, false},       {"ac_failed", 3, 1, false},        {"over_temperature", 3, 3, false},
    {"off", 3, 4, false},
};
constexpr NamedBit kTemperatureBits[] = {
    {"under_temperature_warning", 3, 0, false}, {"under_temperature_failure", 3, 1, false},
    {"over_temperature_warning", 3, 2, false},  {"over_temperature_failure", 3, 3, false},
};
constexpr NamedBit kAlarmBits[] = {
    {"critical_sound", 3, 1, false}, {"non_critical_sound", 3, 2, false}, {"muted", 3, 6, false}};
constexpr NamedBit kSimBits[] = {{"report", 2, 0, false}};
constexpr NamedBit kVoltageBits[] = {
    {"critical_under", 1, 0, false}, {"critical_over", 1, 1, false}, {"warning_under", 1, 2, false},
    {"warning_over", 1, 3, false}};

const ElementKindInfo kElementKinds[] = {
    {ElementKind::PowerSupply, "power_supplies", kSesPowerSupply, "Power Supplies", &Enclosure::powerSupplies,
     kPowerSupplyBits},
    {ElementKind::Fan, "fans", kSesCooling, "Cooling Fans", &Enclosure::fans, {}},
    {ElementKind::TemperatureSensor, "temperature_sensors", kSesTemperatureSensor, "Temperature Sensors",
     &Enclosure::temperatureSensors, kTemperatureBits},
    {ElementKind::Alarm, "alarms", kSesAudibleAlarm, "Audible Alarm", &Enclosure::alarms, kAlarmBits},
    {ElementKind::Sim, "sims", kSesServicesController, "Services Controllers", &Enclosure::sims, kSimBits},
    {ElementKind::VoltageSensor, "voltage_sensors", kSesVoltageSensor, "Voltage Sensors", &Enclosure::voltageSensors,
     kVoltageBits},
};

constexpr const char* kStatusNames[kElementStatusCount] = {
    "unsupported", "ok", "critical", "non_critical", "unrecoverable", "not_installed", "unknown", "not_available"};

}  // namespace

std::span<const ElementKindInfo> ElementKinds() { return kElementKinds; }

const char* ElementStatusName(u8 status) { return status < kElementStatusCount ? kStatusNames[status] : "unknown"; }

u8 ElementStatusCode(std::string_view name)
{
    const auto* found = std::find(std::begin(kStatusNames), std::end(kStatusNames), name);
    return static_cast<u8>(found - std::begin(kStatusNames));
}

void EncodeElement(ByteSpan element, const ElementKindInfo& kind, const EnclosureElement& e)
{
    element.PutU8(kStatusByte, e.status & 0x0F);
    EncodeNameSet(element, e.conditions, kind.conditions);
    switch (kind.kind) {
    case ElementKind::Fan:
        element.PutU8(kSpeedByte, (element.U8(kSpeedByte) & ~7u) | (e.speed & 7u));
        break;
    case ElementKind::TemperatureSensor:
        element.PutU8(kTemperatureByte, static_cast<u8>(e.celsius + kTemperatureOffset));
        break;
    case ElementKind::VoltageSensor: {
        const u16 tens = static_cast<u16>(static_cast<std::int16_t>(e.millivolts / 10));
        element.PutU8(kVoltageBytes, tens >> 8);
        element.PutU8(kVoltageBytes + 1, tens & 0xFF);
        break;
    }
    default:
        break;
    }
}

void EncodeSlotElement(ByteSpan element, const Controller& controller, const Enclosure& enclosure, u8 slot,
                       bool deviceSlot)
{
    const auto drive = std::find_if(controller.drives.begin(), controller.drives.end(), [&](const Drive& d) {
        return d.enclosure == enclosure.deviceId && d.slot == slot;
    });
    u8 status = kElementNotInstalled;
    if (drive != controller.drives.end()) {
        const bool failed = drive->state == DriveState::Failed || drive->state == DriveState::UnconfiguredBad;
        status = failed ? kElementCritical : kElementOk;
    }
    element.PutU8(kStatusByte, status);
    if (deviceSlot)
        element.PutU8(kSlotAddress, slot);
}

bool EnclosureFaulty(const Enclosure& enclosure)
{
    if (enclosure.fault)
        return true;
    for (const ElementKindInfo& kind : kElementKinds) {
        for (const EnclosureElement& e : enclosure.*kind.elements) {
            if (e.status == kElementCritical || e.status == kElementUnrecoverable)
                return true;
        }
    }
    return false;
}

}  // namespace sim
