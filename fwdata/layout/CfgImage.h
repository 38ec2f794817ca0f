// The configuration image (kDcmdCfgRead, kDcmdCfgAdd): a 32-byte header with the counts and
// record sizes, then the array records (ArrayRecord.h), the virtual-drive records
// (VdRecord.h) and the spare records (SpareRecord.h), in that order.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/ArrayRecord.h"
#include "fwdata/layout/SpareRecord.h"
#include "fwdata/layout/VdRecord.h"

namespace cfgimg {
constexpr u32 kHeaderSize = 32;
constexpr Field<u32> kOffFullSize{0};
constexpr Field<u16> kOffArrayCount{4};
constexpr Field<u16> kOffArraySize{6};        // kArrayRecordSize (or 0)
constexpr Field<u16> kOffVdCount{8};
constexpr Field<u16> kOffVdSize{10};          // kVdRecordSize (or 0)
constexpr Field<u16> kOffSpareCount{12};
constexpr Field<u16> kOffSpareSize{14};       // kSpareRecordSize (or 0)
constexpr u32 kArrayRecordSize = arrayrec::kSize;
constexpr u32 kVdRecordSize = vdrec::kSize;
constexpr u32 kSpareRecordSize = sparerec::kSize;
constexpr u32 kDefaultReadSize = 616;    // the first read: the header and room for small images
// The largest count of each kind of record an image is taken with (the model's lists hold 255
// elements).
constexpr u32 kMaxRecords = 255;

// The bytes of an image with these counts.
constexpr u64 ImageSize(u64 arrays, u64 vds, u64 spares)
{
    return kHeaderSize + arrays * kArrayRecordSize + vds * kVdRecordSize + spares * kSpareRecordSize;
}

// Every field lies within its block.
static_assert(FitsIn(kHeaderSize, kOffFullSize, kOffArrayCount, kOffArraySize, kOffVdCount, kOffVdSize,
                     kOffSpareCount, kOffSpareSize));
}  // namespace cfgimg
