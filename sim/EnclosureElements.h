// The elements of an enclosure as its enclosure services device reports them: the kinds of
// element with their SES element type codes, the named condition bits of each kind, and the
// 4-byte status element that the status page carries for each element.
#pragma once
#include <span>

#include "Model.h"
#include "NamedBits.h"

namespace sim {

// SES element type codes.
constexpr u8 kSesDeviceSlot = 1;
constexpr u8 kSesPowerSupply = 2;
constexpr u8 kSesCooling = 3;
constexpr u8 kSesTemperatureSensor = 4;
constexpr u8 kSesAudibleAlarm = 6;
constexpr u8 kSesServicesController = 7;
constexpr u8 kSesEnclosure = 14;
constexpr u8 kSesVoltageSensor = 18;
constexpr u8 kSesArrayDeviceSlot = 23;

// SES element status codes.
constexpr u8 kElementOk = 1;
constexpr u8 kElementCritical = 2;
constexpr u8 kElementNonCritical = 3;
constexpr u8 kElementUnrecoverable = 4;
constexpr u8 kElementNotInstalled = 5;
constexpr u8 kElementStatusCount = 8;

constexpr u32 kElementSize = 4;

enum class ElementKind : u8 { PowerSupply, Fan, TemperatureSensor, Alarm, Sim, VoltageSensor };

struct ElementKindInfo {
    ElementKind kind;
    const char* name;  // the enclosure's field in the state file
    u8 sesType;
    const char* text;  // its type descriptor text
    std::vector<EnclosureElement> Enclosure::*elements;
    std::span<const NamedBit> conditions;  // offsets within the 4-byte status element
};

// Every kind, in the order the enclosure reports them (after the slots).
std::span<const ElementKindInfo> ElementKinds();

// The names of the status codes, for the state file.
const char* ElementStatusName(u8 status);
// The code of a status name, or kElementStatusCount when there is none.
u8 ElementStatusCode(std::string_view name);

// The 4-byte status element of one element of the kind.
void EncodeElement(ByteSpan element, const ElementKindInfo& kind, const EnclosureElement& e);
// The status element of a slot: OK with a drive in it, critical when that drive failed or is
// unconfigured bad, not installed when it is empty.
void EncodeSlotElement(ByteSpan element, const Controller& controller, const Enclosure& enclosure, u8 slot,
                       bool deviceSlot);

// The enclosure reports a fault: set in the state, or an element in critical or unrecoverable state.
bool EnclosureFaulty(const Enclosure& enclosure);

}  // namespace sim
