// The argument area of an event record: the argument type selects the layout. Offsets are
// record offsets. A drive reference is u16 device id, u8 enclosure index, u8 slot; a
// virtual-drive reference is the u16 target id.
#pragma once
#include "ZepUtil/ByteView.h"

namespace evargs {

// Within a drive reference and a virtual-drive reference.
constexpr u32 kPdRefOffDeviceId = 0;     // u16
constexpr u32 kPdRefOffEnclIndex = 2;    // u8
constexpr u32 kPdRefOffSlot = 3;         // u8
constexpr u32 kLdRefOffTargetId = 0;     // u16

// Argument types with a layout.
enum ArgType : u8 {
    kNone = 0,
    kCdbSense = 1,
    kLd = 2,
    kLdCount = 3,
    kLdLba = 4,
    kLdOwner = 5,
    kLdLbaPdLba = 6,
    kLdState = 8,
    kLdStrip = 9,
    kPd = 10,
    kPdError = 11,
    kPdLba = 12,
    kPdLbaLd = 13,
    kQuiet = 14,  // the record writes no argument lines
    kPdState = 15,
    kPci = 16,
    kRate = 17,
    kText = 18,
    kTime = 19,
    kEcc = 20,
    kLdProperties = 21,
    kPdSpare = 22,
    kPdIndex = 23,
    kDiagPass = 24,
    kDiagFail = 25,
    kPdLbaRemap = 26,
    kPortPhy = 27,
    kPdArrayRow = 28,
    kPdAddress = 29,
    kRedundantPath = 34,
};

namespace cdbsense {
constexpr u32 kOffPd = 32;
constexpr u32 kOffCdbLength = 36;        // u8
constexpr u32 kOffSenseLength = 37;      // u8
constexpr u32 kOffCdb = 40;
constexpr u32 kCdbBytes = 16;
constexpr u32 kOffSense = 56;
constexpr u32 kSenseBytes = 64;
constexpr u32 kSenseRoom = 72;          // the bytes between the sense data and the description
}  // namespace cdbsense

namespace ld {
constexpr u32 kOffLd = 32;
}  // namespace ld

namespace ldcount {
constexpr u32 kOffLd = 32;
constexpr u32 kOffCount = 36;            // u32
}  // namespace ldcount

namespace ldlba {
constexpr u32 kOffLba = 32;              // u64
constexpr u32 kOffLd = 40;
}  // namespace ldlba

namespace ldowner {
constexpr u32 kOffLd = 32;
constexpr u32 kOffPrevious = 36;         // u32
constexpr u32 kOffNew = 40;              // u32
}  // namespace ldowner

namespace ldlbapdlba {
constexpr u32 kOffLdLba = 32;            // u64
constexpr u32 kOffPdLba = 40;            // u64
constexpr u32 kOffLd = 48;
constexpr u32 kOffPd = 52;
}  // namespace ldlbapdlba

namespace ldstate {
constexpr u32 kOffLd = 32;
constexpr u32 kOffPrevious = 36;         // u32
constexpr u32 kOffNew = 40;              // u32
}  // namespace ldstate

namespace ldstrip {
constexpr u32 kOffStrip = 32;            // u64
constexpr u32 kOffLd = 40;
}  // namespace ldstrip

namespace pd {
constexpr u32 kOffPd = 32;
}  // namespace pd

namespace pderror {
constexpr u32 kOffPd = 32;
constexpr u32 kOffError = 36;            // u32
}  // namespace pderror

namespace pdlba {
constexpr u32 kOffLba = 32;              // u64
constexpr u32 kOffPd = 40;
}  // namespace pdlba

namespace pdlbald {
constexpr u32 kOffLba = 32;              // u64
constexpr u32 kOffPd = 40;
constexpr u32 kOffLd = 44;
}  // namespace pdlbald

namespace pdstate {
constexpr u32 kOffPd = 32;
constexpr u32 kOffPrevious = 36;         // u32
constexpr u32 kOffNew = 40;              // u32
}  // namespace pdstate

namespace pci {
constexpr u32 kOffVendorId = 32;         // u16 each
constexpr u32 kOffDeviceId = 34;
constexpr u32 kOffSubVendorId = 36;
constexpr u32 kOffSubDeviceId = 38;
}  // namespace pci

namespace rate {
constexpr u32 kOffRate = 32;             // u32
}  // namespace rate

namespace text {
constexpr TextField kText{32, 96};
}  // namespace text

namespace timestamp {
constexpr u32 kOffTime = 32;             // u32, seconds since 2000-01-01
constexpr u32 kOffSincePowerOn = 36;     // u32, seconds
}  // namespace timestamp

namespace ecc {
constexpr u32 kOffEcar = 32;             // u32
constexpr u32 kOffElog = 36;             // u32
constexpr TextField kText{40, 64};
}  // namespace ecc

// A virtual drive's properties block (32 bytes) within the argument area.
namespace ldprops {
constexpr u32 kOffLd = 32;
constexpr u32 kOffPrevious = 36;         // the block before the change
constexpr u32 kOffNew = 68;              // the block after it
// Within a block.
constexpr TextField kName{4, 16};
constexpr u32 kOffDefaultCache = 20;
constexpr u32 kOffAccess = 21;
constexpr u32 kOffDiskCache = 22;
constexpr u32 kOffCurrentCache = 23;
constexpr u32 kOffNoBgi = 24;
}  // namespace ldprops

namespace pdspare {
constexpr u32 kOffPd = 32;
constexpr u32 kOffType = 40;             // bits below
constexpr u8 kTypeDedicated = 0x01;
constexpr u8 kTypeRevertible = 0x02;
constexpr u8 kTypeEnclAffinity = 0x04;
constexpr u32 kOffArrayCount = 43;       // u8
constexpr u32 kOffArrays = 44;           // u16 array references
constexpr u32 kArrayRefSize = 2;
constexpr u32 kMaxArrays = 42;           // the references the argument area holds
}  // namespace pdspare

namespace pdindex {
constexpr u32 kOffPd = 32;
constexpr u32 kOffIndex = 36;            // u32
}  // namespace pdindex

namespace diagpass {
constexpr u32 kOffPassCount = 32;        // u32
constexpr TextField kName{36, 64};
}  // namespace diagpass

namespace diagfail {
constexpr u32 kOffPassCount = 32;        // u32
constexpr u32 kOffFailureOffset = 36;    // u32
constexpr u32 kOffGoodData = 40;         // u8
constexpr u32 kOffBadData = 41;          // u8
constexpr TextField kName{44, 64};
}  // namespace diagfail

namespace pdlbaremap {
constexpr u32 kOffBadLba = 32;           // u64
constexpr u32 kOffRemappedLba = 40;      // u64
constexpr u32 kOffPd = 48;
}  // namespace pdlbaremap

namespace portphy {
constexpr u32 kOffPort = 32;             // u32
constexpr u32 kOffPhy = 36;              // u32
}  // namespace portphy

namespace pdarrayrow {
constexpr u32 kOffPd = 32;
constexpr u32 kOffArray = 36;            // u32
constexpr u32 kOffRow = 40;              // u32
}  // namespace pdarrayrow

namespace pdaddress {
constexpr u32 kOffDeviceId = 32;         // u16
constexpr u32 kOffEnclDeviceId = 34;     // u16
constexpr u32 kOffEnclIndex = 36;        // u8
constexpr u32 kOffSlot = 37;             // u8
constexpr u32 kOffSasAddress1 = 40;      // u64
constexpr u32 kOffSasAddress2 = 48;      // u64
}  // namespace pdaddress

namespace redundantpath {
constexpr u32 kOffValue = 36;            // u32
}  // namespace redundantpath

}  // namespace evargs
