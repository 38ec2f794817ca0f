// The configuration image (DCMD 0x04010000): a 32-byte header, then the array records (288
// bytes), the virtual-drive records (256 bytes) and the spare records (40 bytes), each kind in
// list order. The header tells the full size; the reply is cut at the caller's length.
#include "Topology.h"
#include "VdEncoders.h"
#include "VdRecord.h"

namespace sim {
namespace {

constexpr u32 kHeaderSize = 32;
constexpr u32 kFullSize = 0;  // u32
constexpr u32 kArrayCount = 4;  // u16 each: count, then record size
constexpr u32 kArrayRecordSize = 6;
constexpr u32 kVdCount = 8;
constexpr u32 kVdRecordSizeField = 10;
constexpr u32 kSpareCount = 12;
constexpr u32 kSpareRecordSize = 14;

constexpr u32 kArraySize = 288;
constexpr u32 kArrayBlocks = 0;  // u64 used on each member
constexpr u32 kRowCount = 8;
constexpr u32 kArrayRef = 10;  // u16
constexpr u32 kRows = 32;
constexpr u32 kRowSize = 8;
constexpr u32 kRowDeviceId = 0;  // u16, within a row; 0xFFFF missing
constexpr u32 kRowSeq = 2;       // u16
constexpr u32 kRowState = 4;     // u8

constexpr u32 kSpareSize = 40;
constexpr u32 kSpareDeviceId = 0;  // u16
constexpr u32 kSpareSeq = 2;       // u16
constexpr u32 kSpareFlags = 4;     // bit 0 dedicated, 1 revertible, 2 enclosure affinity
constexpr u32 kSpareArrayCount = 7;
constexpr u32 kSpareArrays = 8;  // u16 x 16

void PutArray(ByteSpan record, const Controller& c, const DriveArray& a)
{
    record.PutU64(kArrayBlocks, a.blocks);
    record.PutU8(kRowCount, a.rows.size());
    record.PutU16(kArrayRef, a.ref);
    for (std::size_t r = 0; r < a.rows.size(); ++r) {
        ByteSpan row = record.Slice(kRows + kRowSize * r, kRowSize);
        const Drive* d = a.rows[r] == kMissingRow ? nullptr : FindDrive(c, a.rows[r]);
        row.PutU16(kRowDeviceId, d != nullptr ? d->deviceId : kMissingRow);
        if (d != nullptr) {
            row.PutU16(kRowSeq, d->seq);
            row.PutU8(kRowState, static_cast<u8>(d->state));
        }
    }
}

void PutSpare(ByteSpan record, const Controller& c, const Spare& s)
{
    const Drive* d = FindDrive(c, s.deviceId);
    record.PutU16(kSpareDeviceId, s.deviceId);
    record.PutU16(kSpareSeq, d != nullptr ? d->seq : 0);
    record.PutBit(kSpareFlags, 0, !s.arrays.empty());
    record.PutBit(kSpareFlags, 1, s.revertible);
    record.PutBit(kSpareFlags, 2, s.enclosureAffinity);
    record.PutU8(kSpareArrayCount, s.arrays.size());
    for (std::size_t i = 0; i < s.arrays.size() && i < kMaxSpareArrays; ++i)
        record.PutU16(kSpareArrays + 2 * i, s.arrays[i]);
}

}  // namespace

Block EncodeConfiguration(const Controller& c, u64 now)
{
    const Configuration& config = c.config;
    const std::size_t vdsAt = kHeaderSize + kArraySize * config.arrays.size();
    const std::size_t sparesAt = vdsAt + kVdRecordSize * config.virtualDrives.size();
    Block block(sparesAt + kSpareSize * config.spares.size());
    block.PutU32(kFullSize, block.Size());
    block.PutU16(kArrayCount, config.arrays.size());
    block.PutU16(kArrayRecordSize, kArraySize);
    block.PutU16(kVdCount, config.virtualDrives.size());
    block.PutU16(kVdRecordSizeField, kVdRecordSize);
    block.PutU16(kSpareCount, config.spares.size());
    block.PutU16(kSpareRecordSize, kSpareSize);
    for (std::size_t i = 0; i < config.arrays.size(); ++i)
        PutArray(block.Slice(kHeaderSize + kArraySize * i, kArraySize), c, config.arrays[i]);
    for (std::size_t i = 0; i < config.virtualDrives.size(); ++i)
        PutVdRecord(block.Slice(vdsAt + kVdRecordSize * i, kVdRecordSize), c, now, config.virtualDrives[i]);
    for (std::size_t i = 0; i < config.spares.size(); ++i)
        PutSpare(block.Slice(sparesAt + kSpareSize * i, kSpareSize), c, config.spares[i]);
    return block;
}

}  // namespace sim
