// The argument area of an event record: the argument type selects the layout. Offsets are
// record offsets. A drive reference is u16 device id, u8 enclosure index, u8 slot; a
// virtual-drive reference is the u16 target id. kOffPd and kOffLd are where such a reference
// starts; its fields are read from there (kOffPd + kPdRefOffDeviceId, ...).
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/EventRecord.h"

namespace evargs {

// Within a drive reference and a virtual-drive reference.
constexpr Field<u16> kPdRefOffDeviceId{0};
constexpr Field<u8> kPdRefOffEnclIndex{2};
constexpr Field<u8> kPdRefOffSlot{3};
constexpr Field<u16> kLdRefOffTargetId{0};

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
constexpr Field<u8> kOffCdbLength{36};
constexpr Field<u8> kOffSenseLength{37};
constexpr Field<u8> kOffCdb{40};
constexpr u32 kCdbBytes = 16;
constexpr Field<u8> kOffSense{56};
constexpr u32 kSenseBytes = 64;
constexpr u32 kSenseRoom = 72;          // the bytes between the sense data and the description

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffCdbLength, kOffSenseLength, kOffCdb, kOffSense));
}  // namespace cdbsense

namespace ld {
constexpr u32 kOffLd = 32;
}  // namespace ld

namespace ldcount {
constexpr u32 kOffLd = 32;
constexpr Field<u32> kOffCount{36};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffCount));
}  // namespace ldcount

namespace ldlba {
constexpr Field<u64> kOffLba{32};
constexpr u32 kOffLd = 40;

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffLba));
}  // namespace ldlba

namespace ldowner {
constexpr u32 kOffLd = 32;
constexpr Field<u32> kOffPrevious{36};
constexpr Field<u32> kOffNew{40};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffPrevious, kOffNew));
}  // namespace ldowner

namespace ldlbapdlba {
constexpr Field<u64> kOffLdLba{32};
constexpr Field<u64> kOffPdLba{40};
constexpr u32 kOffLd = 48;
constexpr u32 kOffPd = 52;

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffLdLba, kOffPdLba));
}  // namespace ldlbapdlba

namespace ldstate {
constexpr u32 kOffLd = 32;
constexpr Field<u32> kOffPrevious{36};
constexpr Field<u32> kOffNew{40};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffPrevious, kOffNew));
}  // namespace ldstate

namespace ldstrip {
constexpr Field<u64> kOffStrip{32};
constexpr u32 kOffLd = 40;

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffStrip));
}  // namespace ldstrip

namespace pd {
constexpr u32 kOffPd = 32;
}  // namespace pd

namespace pderror {
constexpr u32 kOffPd = 32;
constexpr Field<u32> kOffError{36};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffError));
}  // namespace pderror

namespace pdlba {
constexpr Field<u64> kOffLba{32};
constexpr u32 kOffPd = 40;

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffLba));
}  // namespace pdlba

namespace pdlbald {
constexpr Field<u64> kOffLba{32};
constexpr u32 kOffPd = 40;
constexpr u32 kOffLd = 44;

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffLba));
}  // namespace pdlbald

namespace pdstate {
constexpr u32 kOffPd = 32;
constexpr Field<u32> kOffPrevious{36};
constexpr Field<u32> kOffNew{40};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffPrevious, kOffNew));
}  // namespace pdstate

namespace pci {
constexpr Field<u16> kOffVendorId{32};   // u16 each
constexpr Field<u16> kOffDeviceId{34};
constexpr Field<u16> kOffSubVendorId{36};
constexpr Field<u16> kOffSubDeviceId{38};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffVendorId, kOffDeviceId, kOffSubVendorId,
                     kOffSubDeviceId));
}  // namespace pci

namespace rate {
constexpr Field<u32> kOffRate{32};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffRate));
}  // namespace rate

namespace text {
constexpr TextField kText{32, 96};
}  // namespace text

namespace timestamp {
constexpr Field<u32> kOffTime{32};            // seconds since 2000-01-01
constexpr Field<u32> kOffSincePowerOn{36};    // seconds

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffTime, kOffSincePowerOn));
}  // namespace timestamp

namespace ecc {
constexpr Field<u32> kOffEcar{32};
constexpr Field<u32> kOffElog{36};
constexpr TextField kText{40, 64};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffEcar, kOffElog));
}  // namespace ecc

// A virtual drive's properties block (32 bytes) within the argument area.
namespace ldprops {
constexpr u32 kOffLd = 32;
constexpr u32 kOffPrevious = 36;         // the start of the block before the change
constexpr u32 kOffNew = 68;              // the start of the block after it
// Within a block.
constexpr TextField kName{4, 16};
constexpr Field<u8> kOffDefaultCache{20};
constexpr Field<u8> kOffAccess{21};
constexpr Field<u8> kOffDiskCache{22};
constexpr Field<u8> kOffCurrentCache{23};
constexpr Field<u8> kOffNoBgi{24};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffDefaultCache, kOffAccess, kOffDiskCache,
                     kOffCurrentCache, kOffNoBgi));
}  // namespace ldprops

namespace pdspare {
constexpr u32 kOffPd = 32;
constexpr Field<u8> kOffType{40};        // bits below
constexpr u8 kTypeDedicated = 0x01;
constexpr u8 kTypeRevertible = 0x02;
constexpr u8 kTypeEnclAffinity = 0x04;
constexpr Field<u8> kOffArrayCount{43};
constexpr Field<u16> kOffArrays{44};     // u16 array references
constexpr u32 kArrayRefSize = 2;
constexpr u32 kMaxArrays = 42;           // the references the argument area holds

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffType, kOffArrayCount, kOffArrays));
}  // namespace pdspare

namespace pdindex {
constexpr u32 kOffPd = 32;
constexpr Field<u32> kOffIndex{36};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffIndex));
}  // namespace pdindex

namespace diagpass {
constexpr Field<u32> kOffPassCount{32};
constexpr TextField kName{36, 64};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffPassCount));
}  // namespace diagpass

namespace diagfail {
constexpr Field<u32> kOffPassCount{32};
constexpr Field<u32> kOffFailureOffset{36};
constexpr Field<u8> kOffGoodData{40};
constexpr Field<u8> kOffBadData{41};
constexpr TextField kName{44, 64};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffPassCount, kOffFailureOffset, kOffGoodData,
                     kOffBadData));
}  // namespace diagfail

namespace pdlbaremap {
constexpr Field<u64> kOffBadLba{32};
constexpr Field<u64> kOffRemappedLba{40};
constexpr u32 kOffPd = 48;

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffBadLba, kOffRemappedLba));
}  // namespace pdlbaremap

namespace portphy {
constexpr Field<u32> kOffPort{32};
constexpr Field<u32> kOffPhy{36};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffPort, kOffPhy));
}  // namespace portphy

namespace pdarrayrow {
constexpr u32 kOffPd = 32;
constexpr Field<u32> kOffArray{36};
constexpr Field<u32> kOffRow{40};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffArray, kOffRow));
}  // namespace pdarrayrow

namespace pdaddress {
constexpr Field<u16> kOffDeviceId{32};
constexpr Field<u16> kOffEnclDeviceId{34};
constexpr Field<u8> kOffEnclIndex{36};
constexpr Field<u8> kOffSlot{37};
constexpr Field<u64> kOffSasAddress1{40};
constexpr Field<u64> kOffSasAddress2{48};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffDeviceId, kOffEnclDeviceId, kOffEnclIndex, kOffSlot,
                     kOffSasAddress1, kOffSasAddress2));
}  // namespace pdaddress

namespace redundantpath {
constexpr Field<u32> kOffValue{36};

// Every field lies within its block.
static_assert(FitsIn(evrec::kOffArgs + evrec::kArgsSize, kOffValue));
}  // namespace redundantpath
}  // namespace evargs
