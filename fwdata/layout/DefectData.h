// READ DEFECT DATA (10), sent to a drive by SCSI pass-through: the CDB, and the header of the
// defect list it returns (big-endian, as SCSI data are).
#pragma once
#include "ZepUtil/ByteView.h"

namespace defectdata {
constexpr u8 kOperationCode = 0x37;
constexpr u32 kCdbSize = 10;
constexpr Field<u8> kCdbOffOperation{0};
constexpr Field<u8> kCdbOffLists{2};     // the lists and their format
constexpr u8 kPrimaryList = 0x15;        // the manufacturer's list, physical sector format
constexpr u8 kGrownList = 0x0D;          // the grown list, physical sector format
constexpr Field<u8> kCdbOffAllocation{8}; // low byte of the allocation length
constexpr u8 kHeaderOnly = 4;            // only the header is asked for
constexpr u32 kDataSize = 512;
constexpr u32 kSenseSize = 32;
// The bytes of the list, a big-endian u16 read byte by byte: its high and its low byte.
constexpr u32 kOffListLengthHigh = 2;
constexpr u32 kOffListLengthLow = 3;
constexpr u32 kEntrySize = 8;
constexpr u32 kFrameCommand = 4;         // a physical device
constexpr u16 kMaxTarget = 255;          // the target is a byte

// Every field lies within the CDB.
static_assert(FitsIn(kCdbSize, kCdbOffOperation, kCdbOffLists, kCdbOffAllocation));
}  // namespace defectdata
