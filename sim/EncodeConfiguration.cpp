// The configuration image (DCMD 0x04010000): a 32-byte header, then the array records (288
// bytes), the virtual-drive records (256 bytes) and the spare records (40 bytes), each kind in
// list order. The header tells the full size; the reply is cut at the caller's length.
#include "ConfigImageLayout.h"
#include "Topology.h"
#include "VdEncoders.h"
#include "VdRecord.h"

namespace sim {
namespace {

void PutArray(ByteSpan record, const Controller& c, const DriveArray& a)
{
    record.PutU64(array_record::kBlocks, a.blocks);
    record.PutU8(array_record::kRowCount, a.rows.size());
    record.PutU16(array_record::kRef, a.ref);
    for (std::size_t r = 0; r < a.rows.size(); ++r) {
        ByteSpan row = record.Slice(array_record::kRows + array_record::kRowSize * r, array_record::kRowSize);
        const Drive* d = a.rows[r] == kMissingRow ? nullptr : FindDrive(c, a.rows[r]);
        row.PutU16(array_record::kRowDeviceId, d != nullptr ? d->deviceId : kMissingRow);
        if (d != nullptr) {
            row.PutU16(array_record::kRowSeq, d->seq);
            row.PutU8(array_record::kRowState, static_cast<u8>(d->state));
        }
    }
}

void PutSpare(ByteSpan record, const Controller& c, const Spare& s)
{
    const Drive* d = FindDrive(c, s.deviceId);
    record.PutU16(spare_record::kDeviceId, s.deviceId);
    record.PutU16(spare_record::kSeq, d != nullptr ? d->seq : 0);
    record.PutBit(spare_record::kFlags, 0, !s.arrays.empty());
    record.PutBit(spare_record::kFlags, 1, s.revertible);
    record.PutBit(spare_record::kFlags, 2, s.enclosureAffinity);
    record.PutU8(spare_record::kArrayCount, s.arrays.size());
    for (std::size_t i = 0; i < s.arrays.size() && i < kMaxSpareArrays; ++i)
        record.PutU16(spare_record::kArrays + 2 * i, s.arrays[i]);
}

}  // namespace

Block EncodeConfiguration(const Controller& c, u64 now)
{
    const Configuration& config = c.config;
    const std::size_t vdsAt = config_image::kHeaderSize + array_record::kSize * config.arrays.size();
    const std::size_t sparesAt = vdsAt + kVdRecordSize * config.virtualDrives.size();
    Block block(sparesAt + spare_record::kSize * config.spares.size());
    block.PutU32(config_image::kFullSize, block.Size());
    block.PutU16(config_image::kArrayCount, config.arrays.size());
    block.PutU16(config_image::kArrayRecordSizeField, array_record::kSize);
    block.PutU16(config_image::kVdCount, config.virtualDrives.size());
    block.PutU16(config_image::kVdRecordSizeField, kVdRecordSize);
    block.PutU16(config_image::kSpareCount, config.spares.size());
    block.PutU16(config_image::kSpareRecordSizeField, spare_record::kSize);
    for (std::size_t i = 0; i < config.arrays.size(); ++i)
        PutArray(block.Slice(config_image::kHeaderSize + array_record::kSize * i, array_record::kSize), c,
                 config.arrays[i]);
    for (std::size_t i = 0; i < config.virtualDrives.size(); ++i)
        PutVdRecord(block.Slice(vdsAt + kVdRecordSize * i, kVdRecordSize), c, now, config.virtualDrives[i]);
    for (std::size_t i = 0; i < config.spares.size(); ++i)
        PutSpare(block.Slice(sparesAt + spare_record::kSize * i, spare_record::kSize), c, config.spares[i]);
    return block;
}

}  // namespace sim
