#include "EventArgs.h"

#include <algorithm>

namespace sim {
namespace {

// A reference inside the argument area: drive (u16 device id, u8 enclosure index, u8 slot) or
// virtual drive (u16 target id, two bytes unused).
constexpr std::size_t kRefDeviceId = 0;
constexpr std::size_t kRefEnclosureIndex = 2;
constexpr std::size_t kRefSlot = 3;
constexpr std::size_t kRefTargetId = 0;

// The properties block, from its first byte (the first four are unused).
constexpr std::size_t kPropName = 4;
constexpr std::size_t kPropNameSize = 16;
constexpr std::size_t kPropDefaultCache = 20;
constexpr std::size_t kPropAccess = 21;
constexpr std::size_t kPropDiskCache = 22;
constexpr std::size_t kPropCurrentCache = 23;
constexpr std::size_t kPropNoBgi = 24;

// The spare block sits at record offset 36.
constexpr std::size_t kSpareType = 40;
constexpr std::size_t kSpareArrayCount = 43;
constexpr std::size_t kSpareArrays = 44;
constexpr u8 kSpareDedicated = 0x01;
constexpr u8 kSpareRevertible = 0x02;
constexpr u8 kSpareEnclosureAffinity = 0x04;

namespace cdb_sense_args {

constexpr std::size_t kCdbLength = 36;
constexpr std::size_t kSenseLength = 37;
constexpr std::size_t kCdb = 40;
constexpr std::size_t kCdbSize = 16;
constexpr std::size_t kSense = 56;
constexpr std::size_t kSenseSize = 64;

}  // namespace cdb_sense_args

}  // namespace

u64 EventArgs::Get(std::size_t recordOffset, std::size_t width) const
{
    if (recordOffset < kEventArgsOffset || recordOffset - kEventArgsOffset > kEventArgsSize ||
        width > kEventArgsSize - (recordOffset - kEventArgsOffset))
        return 0;
    u64 value = 0;
    for (std::size_t i = width; i > 0; --i)
        value = (value << 8) | area_[recordOffset - kEventArgsOffset + i - 1];
    return value;
}

void EventArgs::Put(std::size_t recordOffset, std::size_t width, u64 value)
{
    if (recordOffset < kEventArgsOffset || recordOffset - kEventArgsOffset > kEventArgsSize ||
        width > kEventArgsSize - (recordOffset - kEventArgsOffset))
        return;
    for (std::size_t i = 0; i < width; ++i, value >>= 8)
        area_[recordOffset - kEventArgsOffset + i] = static_cast<u8>(value & 0xFF);
}

std::string EventArgs::GetText(std::size_t recordOffset, std::size_t width) const
{
    std::string text;
    for (std::size_t i = 0; i < width; ++i) {
        const char c = static_cast<char>(Get(recordOffset + i, 1));
        if (c == '\0')
            break;
        text.push_back(c);
    }
    return text;
}

void EventArgs::PutText(std::size_t recordOffset, std::size_t width, const std::string& text)
{
    for (std::size_t i = 0; i < width; ++i)
        Put(recordOffset + i, 1, i < text.size() ? static_cast<u8>(text[i]) : 0);
}

void EventArgs::PutPd(std::size_t recordOffset, EventPd pd)
{
    Put(recordOffset + kRefDeviceId, 2, pd.deviceId);
    Put(recordOffset + kRefEnclosureIndex, 1, pd.enclosureIndex);
    Put(recordOffset + kRefSlot, 1, pd.slot);
}

void EventArgs::PutLd(std::size_t recordOffset, EventLd ld) { Put(recordOffset + kRefTargetId, 2, ld.targetId); }

void EventArgs::PutProperties(std::size_t recordOffset, const EventLdProperties& properties)
{
    PutText(recordOffset + kPropName, kPropNameSize, properties.name);
    Put(recordOffset + kPropDefaultCache, 1, properties.defaultCachePolicy);
    Put(recordOffset + kPropAccess, 1, properties.accessPolicy);
    Put(recordOffset + kPropDiskCache, 1, properties.diskCachePolicy);
    Put(recordOffset + kPropCurrentCache, 1, properties.currentCachePolicy);
    Put(recordOffset + kPropNoBgi, 1, properties.noBgi);
}

EventArgs EventArgs::Raw(u8 type, const std::vector<u8>& area)
{
    EventArgs args(type);
    std::copy_n(area.begin(), std::min(area.size(), kEventArgsSize), args.area_.begin());
    return args;
}

EventArgs EventArgs::None() { return EventArgs(kArgNone); }

EventArgs EventArgs::CdbSense(EventPd pd, const std::vector<u8>& cdb, const std::vector<u8>& sense)
{
    EventArgs args(kArgCdbSense);
    args.PutPd(32, pd);
    const std::size_t cdbLength = std::min(cdb.size(), cdb_sense_args::kCdbSize);
    const std::size_t senseLength = std::min(sense.size(), cdb_sense_args::kSenseSize);
    args.Put(cdb_sense_args::kCdbLength, 1, cdbLength);
    args.Put(cdb_sense_args::kSenseLength, 1, senseLength);
    for (std::size_t i = 0; i < cdbLength; ++i)
        args.Put(cdb_sense_args::kCdb + i, 1, cdb[i]);
    for (std::size_t i = 0; i < senseLength; ++i)
        args.Put(cdb_sense_args::kSense + i, 1, sense[i]);
    return args;
}

EventArgs EventArgs::Ld(EventLd ld)
{
    EventArgs args(kArgLd);
    args.PutLd(32, ld);
    return args;
}

EventArgs EventArgs::LdCount(EventLd ld, u32 count)
{
    EventArgs args(kArgLdCount);
    args.PutLd(32, ld);
    args.Put(36, 4, count);
    return args;
}

EventArgs EventArgs::LdLba(EventLd ld, u64 lba)
{
    EventArgs args(kArgLdLba);
    args.Put(32, 8, lba);
    args.PutLd(40, ld);
    return args;
}

EventArgs EventArgs::LdOwner(EventLd ld, u32 previousOwner, u32 newOwner)
{
    EventArgs args(kArgLdOwner);
    args.PutLd(32, ld);
    args.Put(36, 4, previousOwner);
    args.Put(40, 4, newOwner);
    return args;
}

EventArgs EventArgs::LdLbaPdLba(EventLd ld, u64 ldLba, EventPd pd, u64 pdLba)
{
    EventArgs args(kArgLdLbaPdLba);
    args.Put(32, 8, ldLba);
    args.Put(40, 8, pdLba);
    args.PutLd(48, ld);
    args.PutPd(52, pd);
    return args;
}

EventArgs EventArgs::LdState(EventLd ld, u32 previousState, u32 newState)
{
    EventArgs args(kArgLdState);
    args.PutLd(32, ld);
    args.Put(36, 4, previousState);
    args.Put(40, 4, newState);
    return args;
}

EventArgs EventArgs::LdStrip(EventLd ld, u64 strip)
{
    EventArgs args(kArgLdStrip);
    args.Put(32, 8, strip);
    args.PutLd(40, ld);
    return args;
}

EventArgs EventArgs::Pd(EventPd pd)
{
    EventArgs args(kArgPd);
    args.PutPd(32, pd);
    return args;
}

EventArgs EventArgs::PdError(EventPd pd, u32 error)
{
    EventArgs args(kArgPdError);
    args.PutPd(32, pd);
    args.Put(36, 4, error);
    return args;
}

EventArgs EventArgs::PdLba(EventPd pd, u64 lba)
{
    EventArgs args(kArgPdLba);
    args.Put(32, 8, lba);
    args.PutPd(40, pd);
    return args;
}

EventArgs EventArgs::PdLbaLd(EventPd pd, u64 lba, EventLd ld)
{
    EventArgs args(kArgPdLbaLd);
    args.Put(32, 8, lba);
    args.PutPd(40, pd);
    args.PutLd(44, ld);
    return args;
}

EventArgs EventArgs::PdState(EventPd pd, u32 previousState, u32 newState)
{
    EventArgs args(kArgPdState);
    args.PutPd(32, pd);
    args.Put(36, 4, previousState);
    args.Put(40, 4, newState);
    return args;
}

EventArgs EventArgs::Pci(u16 vendorId, u16 deviceId, u16 subVendorId, u16 subDeviceId)
{
    EventArgs args(kArgPci);
    args.Put(32, 2, vendorId);
    args.Put(34, 2, deviceId);
    args.Put(36, 2, subVendorId);
    args.Put(38, 2, subDeviceId);
    return args;
}

EventArgs EventArgs::Rate(u32 rate)
{
    EventArgs args(kArgRate);
    args.Put(32, 4, rate);
    return args;
}

EventArgs EventArgs::Text(const std::string& text)
{
    EventArgs args(kArgText);
    args.PutText(32, 96, text);
    return args;
}

EventArgs EventArgs::Time(u32 time, u32 secondsSincePowerOn)
{
    EventArgs args(kArgTime);
    args.Put(32, 4, time);
    args.Put(36, 4, secondsSincePowerOn);
    return args;
}

EventArgs EventArgs::Ecc(u32 ecar, u32 elog, const std::string& text)
{
    EventArgs args(kArgEcc);
    args.Put(32, 4, ecar);
    args.Put(36, 4, elog);
    args.PutText(40, 64, text);
    return args;
}

EventArgs EventArgs::LdProperties(EventLd ld, const EventLdProperties& previous, const EventLdProperties& next)
{
    EventArgs args(kArgLdProperties);
    args.PutLd(32, ld);
    args.PutProperties(36, previous);
    args.PutProperties(68, next);
    return args;
}

EventArgs EventArgs::PdSpare(EventPd pd, const EventSpare& spare)
{
    EventArgs args(kArgPdSpare);
    args.PutPd(32, pd);
    u8 type = 0;
    if (spare.dedicated)
        type |= kSpareDedicated;
    if (spare.revertible)
        type |= kSpareRevertible;
    if (spare.enclosureAffinity)
        type |= kSpareEnclosureAffinity;
    args.Put(kSpareType, 1, type);
    const std::size_t count = std::min(spare.arrays.size(), kEventSpareMaxArrays);
    args.Put(kSpareArrayCount, 1, count);
    for (std::size_t i = 0; i < count; ++i)
        args.Put(kSpareArrays + 2 * i, 2, spare.arrays[i]);
    return args;
}

EventArgs EventArgs::PdIndex(EventPd pd, u32 index)
{
    EventArgs args(kArgPdIndex);
    args.PutPd(32, pd);
    args.Put(36, 4, index);
    return args;
}

EventArgs EventArgs::DiagPass(u32 passCount, const std::string& name)
{
    EventArgs args(kArgDiagPass);
    args.Put(32, 4, passCount);
    args.PutText(36, 64, name);
    return args;
}

EventArgs EventArgs::DiagFail(u32 passCount, u32 failureOffset, u8 goodData, u8 badData, const std::string& name)
{
    EventArgs args(kArgDiagFail);
    args.Put(32, 4, passCount);
    args.Put(36, 4, failureOffset);
    args.Put(40, 1, goodData);
    args.Put(41, 1, badData);
    args.PutText(44, 64, name);
    return args;
}

EventArgs EventArgs::PdLbaRemap(EventPd pd, u64 badLba, u64 remappedLba)
{
    EventArgs args(kArgPdLbaRemap);
    args.Put(32, 8, badLba);
    args.Put(40, 8, remappedLba);
    args.PutPd(48, pd);
    return args;
}

EventArgs EventArgs::PortPhy(u32 port, u32 phy)
{
    EventArgs args(kArgPortPhy);
    args.Put(32, 4, port);
    args.Put(36, 4, phy);
    return args;
}

EventArgs EventArgs::PdArrayRow(EventPd pd, u32 array, u32 row)
{
    EventArgs args(kArgPdArrayRow);
    args.PutPd(32, pd);
    args.Put(36, 4, array);
    args.Put(40, 4, row);
    return args;
}

EventArgs EventArgs::PdAddress(u16 deviceId, u16 enclosureDeviceId, u8 enclosureIndex, u8 slot, u64 sasAddress1,
                               u64 sasAddress2)
{
    EventArgs args(kArgPdAddress);
    args.Put(32, 2, deviceId);
    args.Put(34, 2, enclosureDeviceId);
    args.Put(36, 1, enclosureIndex);
    args.Put(37, 1, slot);
    args.Put(40, 8, sasAddress1);
    args.Put(48, 8, sasAddress2);
    return args;
}

EventArgs EventArgs::RedundantPath(u32 value)
{
    EventArgs args(kArgRedundantPath);
    args.Put(36, 4, value);
    return args;
}

}  // namespace sim
