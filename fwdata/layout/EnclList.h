// The enclosure list (4616 bytes, kDcmdEnclGetList): a u32 count, then one entry per enclosure.
#pragma once
#include <algorithm>

#include "ZepUtil/ByteView.h"

namespace encllist {
constexpr u32 kSize = 4616;
constexpr Field<u32> kOffCount{0};
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 144;
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;

// Within an entry.
constexpr Field<u16> kEntryOffDeviceId{0};    // also the enclosure's device id in the drive list
constexpr Field<u8> kEntryOffSlots{3};
constexpr Field<u8> kEntryOffPowerSupplies{4};
constexpr Field<u8> kEntryOffFans{5};
constexpr Field<u8> kEntryOffTempSensors{6};
constexpr Field<u8> kEntryOffAlarms{7};
constexpr Field<u8> kEntryOffSims{8};
constexpr Field<u8> kEntryOffStatus{9};  // non-zero: faulty
constexpr Field<u8> kEntryOffType{10};   // 1 SAFTE, 2 SES, 3 SGPIO, other unknown
constexpr Field<u8> kEntryOffPosition{12}; // on its connector
constexpr Field<u8> kEntryOffConnector{13}; // index in the connector list
constexpr u8 kNoConnector = 255;
constexpr Field<u8> kEntryOffDrives{15};
constexpr Field<u16> kEntryOffPartner{16};    // device id of the partner enclosure
constexpr u16 kNoPartner = 0xFFFF;

// The entries the list holds: its count read as a signed number (none when negative), never more
// than the block has room for.
inline u32 EntryCount(const ByteView& list)
{
    const auto count = static_cast<s32>(list.U32(kOffCount));
    return count <= 0 ? 0 : std::min(static_cast<u32>(count), kMaxEntries);
}

// Entry `index` of the list.
inline ByteView Entry(const ByteView& list, u32 index) { return list.Sub(kOffEntries + index * kEntrySize, kEntrySize); }

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffCount));
static_assert(FitsIn(kEntrySize, kEntryOffDeviceId, kEntryOffSlots, kEntryOffPowerSupplies, kEntryOffFans,
                     kEntryOffTempSensors, kEntryOffAlarms, kEntryOffSims, kEntryOffStatus, kEntryOffType,
                     kEntryOffPosition, kEntryOffConnector, kEntryOffDrives, kEntryOffPartner));
}  // namespace encllist
