// The diagnostic pages of an enclosure's services that the tool reads by pass-through
// (RECEIVE DIAGNOSTIC RESULTS, kScsiReceiveDiagnostic): page 1 describes the enclosure's element
// types and counts, page 2 carries a 4-byte status element for every element. Multi-byte fields
// of SCSI data are big-endian.
#pragma once
#include "ZepUtil/ByteView.h"

namespace ses {
// The CDB.
constexpr u32 kCdbSize = 6;
constexpr Field<u8> kCdbOffOpcode{0};
constexpr BitField kCdbPcv{1, 0};        // a page is asked for
constexpr Field<u8> kCdbOffPage{2};
constexpr Field<u8> kCdbOffAllocHigh{3};
constexpr Field<u8> kCdbOffAllocLow{4};

constexpr u8 kPageConfiguration = 1;
constexpr u8 kPageStatus = 2;

// Configuration page: the page code, the primary subenclosure's descriptor from byte 8 with the
// number of its type descriptor headers and the length of the rest of the descriptor; the
// headers follow the descriptor.
constexpr Field<u8> kOffPageCode{0};
constexpr Field<u8> kOffTypeHeaderCount{10};
constexpr Field<u8> kOffDescriptorLength{11};
constexpr u32 kOffDescriptorRest = 12;   // the rest of the descriptor; the headers start past it
constexpr u32 kTypeHeaderSize = 4;
constexpr Field<u8> kHeaderOffType{0};
constexpr Field<u8> kHeaderOffCount{1};  // possible elements

// Status page: an 8-byte header, then per type an overall status element and one element per
// possible element.
constexpr u32 kOffElements = 8;
constexpr u32 kElementSize = 4;

// Element types.
constexpr u8 kTypeDeviceSlot = 1;
constexpr u8 kTypePowerSupply = 2;
constexpr u8 kTypeCooling = 3;
constexpr u8 kTypeTemperature = 4;
constexpr u8 kTypeAlarm = 6;
constexpr u8 kTypeServicesController = 7;
constexpr u8 kTypeEnclosure = 14;
constexpr u8 kTypeVoltage = 18;
constexpr u8 kTypeArrayDeviceSlot = 23;
constexpr u8 kLastTypeCounted = 25;

// Within a status element.
constexpr Field<u8> kElemOffStatus{0};   // bits 0-3: the element status code
constexpr u8 kStatusMask = 0x0F;
constexpr BitField kPsDcOverCurrent{2, 1};
constexpr BitField kPsDcUnderVoltage{2, 2};
constexpr BitField kPsDcOverVoltage{2, 3};
constexpr BitField kPsDcFailed{3, 0};
constexpr BitField kPsAcFailed{3, 1};
constexpr BitField kPsOverTemperature{3, 3};
constexpr BitField kPsOff{3, 4};
constexpr Field<u8> kElemOffFanSpeed{3}; // bits 0-2
constexpr u8 kFanSpeedMask = 0x07;
constexpr Field<u8> kElemOffTemperature{2}; // degrees Celsius + kTemperatureBias
constexpr int kTemperatureBias = 20;
constexpr BitField kAlarmCritical{3, 1};
constexpr BitField kAlarmNonCritical{3, 2};
constexpr BitField kAlarmMuted{3, 6};
constexpr BitField kSimReport{2, 0};
constexpr BitField kVoltageCritUnder{1, 0};
constexpr BitField kVoltageCritOver{1, 1};
constexpr BitField kVoltageWarnUnder{1, 2};
constexpr BitField kVoltageWarnOver{1, 3};
// Signed 16 bits in 10 mV, big-endian, read byte by byte: the high and the low byte.
constexpr u32 kElemOffVoltageHigh = 2;
constexpr u32 kElemOffVoltageLow = 3;
constexpr unsigned kVoltageStepMv = 10;

// Every field lies within its block or entry.
static_assert(FitsIn(kCdbSize, kCdbOffOpcode, kCdbOffPage, kCdbOffAllocHigh, kCdbOffAllocLow));
static_assert(FitsIn(kTypeHeaderSize, kHeaderOffType, kHeaderOffCount));
static_assert(FitsIn(kElementSize, kElemOffStatus, kElemOffFanSpeed, kElemOffTemperature));
}  // namespace ses
