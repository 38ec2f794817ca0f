// The arguments of an event record: an argument type that selects the layout, and the 96-byte
// argument area (record bytes 32-127) laid out by it. Builders fill the area for each layout;
// the state file names the fields of each layout (EventArgsJson.cpp). Types without a layout of
// their own carry whatever bytes their area holds.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "Bytes.h"

namespace sim {

constexpr std::size_t kEventArgsOffset = 32;  // record offset of the argument area
constexpr std::size_t kEventArgsSize = 96;
constexpr std::size_t kEventSpareMaxArrays = 42;  // array references that fit the area

// Argument types with a layout.
enum EventArgType : u8 {
    kArgNone = 0,
    kArgCdbSense = 1,
    kArgLd = 2,
    kArgLdCount = 3,
    kArgLdLba = 4,
    kArgLdOwner = 5,
    kArgLdLbaPdLba = 6,
    kArgLdState = 8,
    kArgLdStrip = 9,
    kArgPd = 10,
    kArgPdError = 11,
    kArgPdLba = 12,
    kArgPdLbaLd = 13,
    kArgPdState = 15,
    kArgPci = 16,
    kArgRate = 17,
    kArgText = 18,
    kArgTime = 19,
    kArgEcc = 20,
    kArgLdProperties = 21,
    kArgPdSpare = 22,
    kArgPdIndex = 23,
    kArgDiagPass = 24,
    kArgDiagFail = 25,
    kArgPdLbaRemap = 26,
    kArgPortPhy = 27,
    kArgPdArrayRow = 28,
    kArgPdAddress = 29,
    kArgRedundantPath = 34,
};

// A drive as events name it: device id, enclosure index, slot.
struct EventPd {
    u16 deviceId = 0;
    u8 enclosureIndex = 0;
    u8 slot = 0;
};

// A virtual drive as events name it.
struct EventLd {
    u16 targetId = 0;
};

// A virtual drive's properties as events carry them (32 bytes).
struct EventLdProperties {
    std::string name;  // at most 16 characters
    u8 defaultCachePolicy = 0;
    u8 accessPolicy = 0;
    u8 diskCachePolicy = 0;
    u8 currentCachePolicy = 0;
    u8 noBgi = 0;
};

struct EventSpare {
    bool dedicated = false;
    bool revertible = false;
    bool enclosureAffinity = false;
    std::vector<u16> arrays;  // at most kEventSpareMaxArrays are kept
};

class EventArgs {
public:
    EventArgs() = default;
    // Any type with the given area bytes (the rest zero; more than 96 are ignored).
    static EventArgs Raw(u8 type, const std::vector<u8>& area);

    static EventArgs None();
    static EventArgs CdbSense(EventPd pd, const std::vector<u8>& cdb, const std::vector<u8>& sense);
    static EventArgs Ld(EventLd ld);
    static EventArgs LdCount(EventLd ld, u32 count);
    static EventArgs LdLba(EventLd ld, u64 lba);
    static EventArgs LdOwner(EventLd ld, u32 previousOwner, u32 newOwner);
    static EventArgs LdLbaPdLba(EventLd ld, u64 ldLba, EventPd pd, u64 pdLba);
    static EventArgs LdState(EventLd ld, u32 previousState, u32 newState);
    static EventArgs LdStrip(EventLd ld, u64 strip);
    static EventArgs Pd(EventPd pd);
    static EventArgs PdError(EventPd pd, u32 error);
    static EventArgs PdLba(EventPd pd, u64 lba);
    static EventArgs PdLbaLd(EventPd pd, u64 lba, EventLd ld);
    static EventArgs PdState(EventPd pd, u32 previousState, u32 newState);
    static EventArgs Pci(u16 vendorId, u16 deviceId, u16 subVendorId, u16 subDeviceId);
    static EventArgs Rate(u32 rate);
    static EventArgs Text(const std::string& text);  // at most 96 characters
    static EventArgs Time(u32 time, u32 secondsSincePowerOn);
    static EventArgs Ecc(u32 ecar, u32 elog, const std::string& text);  // at most 64 characters
    static EventArgs LdProperties(EventLd ld, const EventLdProperties& previous, const EventLdProperties& next);
    static EventArgs PdSpare(EventPd pd, const EventSpare& spare);
    static EventArgs PdIndex(EventPd pd, u32 index);
    static EventArgs DiagPass(u32 passCount, const std::string& name);
    static EventArgs DiagFail(u32 passCount, u32 failureOffset, u8 goodData, u8 badData, const std::string& name);
    static EventArgs PdLbaRemap(EventPd pd, u64 badLba, u64 remappedLba);
    static EventArgs PortPhy(u32 port, u32 phy);
    static EventArgs PdArrayRow(EventPd pd, u32 array, u32 row);
    static EventArgs PdAddress(u16 deviceId, u16 enclosureDeviceId, u8 enclosureIndex, u8 slot, u64 sasAddress1,
                               u64 sasAddress2);
    static EventArgs RedundantPath(u32 value);

    u8 Type() const { return type_; }
    const std::array<u8, kEventArgsSize>& Area() const { return area_; }
    // Field access by record offset (32 is the area's first byte); out of the area reads 0.
    u64 Get(std::size_t recordOffset, std::size_t width) const;
    void Put(std::size_t recordOffset, std::size_t width, u64 value);
    std::string GetText(std::size_t recordOffset, std::size_t width) const;
    void PutText(std::size_t recordOffset, std::size_t width, const std::string& text);

    bool operator==(const EventArgs&) const = default;

private:
    explicit EventArgs(u8 type) : type_(type) {}
    void PutPd(std::size_t recordOffset, EventPd pd);
    void PutLd(std::size_t recordOffset, EventLd ld);
    void PutProperties(std::size_t recordOffset, const EventLdProperties& properties);

    u8 type_ = kArgNone;
    std::array<u8, kEventArgsSize> area_{};
};

}  // namespace sim
