// Byte offsets of the configuration image (DCMD 0x04010000 read, 0x04020000 write): a 32-byte
// header, then the array records, the virtual-drive records (VdRecord.h) and the spare records,
// each kind in list order. A spare record is also the data of a make-hot-spare request
// (0x04040000).
#pragma once
#include "Bytes.h"

namespace sim::config_image {

constexpr u32 kHeaderSize = 32;
constexpr u32 kFullSize = 0;  // u32
constexpr u32 kArrayCount = 4;  // u16 each: a count, then its record size
constexpr u32 kArrayRecordSizeField = 6;
constexpr u32 kVdCount = 8;
constexpr u32 kVdRecordSizeField = 10;
constexpr u32 kSpareCount = 12;
constexpr u32 kSpareRecordSizeField = 14;

}  // namespace sim::config_image

namespace sim::array_record {

constexpr u32 kSize = 288;
constexpr u32 kBlocks = 0;  // u64 used on each member
constexpr u32 kRowCount = 8;
constexpr u32 kRef = 10;  // u16
constexpr u32 kRows = 32;
constexpr u32 kRowSize = 8;
constexpr u32 kRowDeviceId = 0;  // u16, within a row; 0xFFFF missing
constexpr u32 kRowSeq = 2;       // u16
constexpr u32 kRowState = 4;     // u8

}  // namespace sim::array_record

namespace sim::spare_record {

constexpr u32 kSize = 40;
constexpr u32 kDeviceId = 0;  // u16
constexpr u32 kSeq = 2;       // u16
constexpr u32 kFlags = 4;     // bit 0 dedicated, 1 revertible, 2 enclosure affinity
constexpr u32 kArrayCount = 7;
constexpr u32 kArrays = 8;  // u16 x 16

}  // namespace sim::spare_record
