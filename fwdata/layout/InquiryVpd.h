// SCSI INQUIRY as the tool sends it to a device by pass-through (kScsiInquiry), and the vital
// product data pages it reads: the list of pages, and the field-replaceable-unit data of an
// enclosure. Multi-byte fields of SCSI data are big-endian.
#pragma once
#include "ZepUtil/ByteView.h"

namespace inquiry {
// The CDB.
constexpr u32 kCdbSize = 6;
constexpr Field<u8> kCdbOffOpcode{0};
constexpr BitField kCdbEvpd{1, 0};       // a vital product data page is asked for
constexpr Field<u8> kCdbOffPage{2};
constexpr Field<u8> kCdbOffAllocHigh{3};
constexpr Field<u8> kCdbOffAllocLow{4};

// Every vital product data page: the page code, then the length of what follows byte 3.
constexpr Field<u8> kVpdOffPage{1};
constexpr Field<u8> kVpdOffLengthHigh{2};
constexpr Field<u8> kVpdOffLengthLow{3};
constexpr Field<u8> kVpdOffData{4};
constexpr u32 kVpdMaxSize = 255;

// The page that lists the pages supported, a code per byte.
constexpr u8 kPageSupported = 0x00;
// The field-replaceable-unit data of an enclosure (texts padded with blanks).
constexpr u8 kPageFru = 0xC0;
constexpr u32 kFruPageSize = 36;
constexpr TextField kFruSerial{4, 8};
constexpr Field<u8> kFruOffReserved{12};
constexpr u32 kFruReservedSize = 6;
constexpr TextField kFruPartNumber{18, 8};
constexpr TextField kFruEsmSerial{26, 6};
constexpr TextField kFruZoningMode{32, 4};

// Every field lies within its block.
static_assert(FitsIn(kCdbSize, kCdbOffOpcode, kCdbOffPage, kCdbOffAllocHigh, kCdbOffAllocLow));
}  // namespace inquiry
