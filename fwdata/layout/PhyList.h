// The PHY list (264 bytes, kDcmdPhyGetList): the count and one 16-byte entry per PHY, with what
// is attached to it and the speed it runs at.
#pragma once
#include "ZepUtil/ByteView.h"

namespace phylist {
constexpr u32 kSize = 264;
constexpr Field<u32> kOffCount{0};
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr Field<u64> kEntryOffSasAddress{0}; // of the attached device
constexpr Field<u8> kEntryOffPhyId{8};  // the attached device's PHY identifier
constexpr Field<u8> kEntryOffState{11}; // kStateDisabled: disabled
constexpr u8 kStateDisabled = 255;
// Byte 12: the attached device's type in bits 0-2 and its initiator protocols; byte 13 its
// target protocols.
constexpr Field<u8> kEntryOffDeviceType{12};
constexpr u8 kDeviceTypeMask = 0x07;
constexpr u8 kEndDevice = 1;
constexpr u8 kEdgeExpander = 2;
constexpr u8 kFanoutExpander = 3;
constexpr unsigned kSataDevice = 3;     // bits of byte 12
constexpr unsigned kSmpInitiator = 4;
constexpr unsigned kStpInitiator = 5;
constexpr unsigned kSspInitiator = 6;
constexpr unsigned kSmpTarget = 7;
constexpr Field<u8> kEntryOffTargets{13};
constexpr unsigned kStpTarget = 0;      // bits of byte 13
constexpr unsigned kSspTarget = 1;
// Byte 14: the link speed code in bits 2-7.
constexpr Field<u8> kEntryOffLinkSpeed{14};
constexpr unsigned kLinkSpeedShift = 2;
constexpr u8 kSpeedNoLimit = 0;
constexpr u8 kSpeed1_5G = 1;
constexpr u8 kSpeed3G = 2;
constexpr u8 kSpeed6G = 4;
constexpr u32 kMaxEntries = (kSize - kOffEntries) / kEntrySize;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffCount));
static_assert(FitsIn(kEntrySize, kEntryOffSasAddress, kEntryOffPhyId, kEntryOffState, kEntryOffDeviceType,
                     kEntryOffTargets, kEntryOffLinkSpeed));
}  // namespace phylist
