// The virtual-drive list (DCMD 0x03010000, 1032 bytes: u32 count at 0, 16-byte entries from 8
// in target-id order) and the virtual-drive information block (DCMD 0x03020000, 384 bytes: the
// virtual-drive record, then size, running operations and their progress, owner).
#include <algorithm>

#include "Operations.h"
#include "Topology.h"
#include "VdEncoders.h"
#include "VdRecord.h"

namespace sim {
namespace {

namespace vd_list {

constexpr u32 kSize = 1032;
constexpr u32 kCount = 0;  // u32
constexpr u32 kEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr std::size_t kMaxEntries = (kSize - kEntries) / kEntrySize;
constexpr u32 kEntryTargetId = 0;
constexpr u32 kEntrySeq = 2;     // u16
constexpr u32 kEntryState = 4;
constexpr u32 kEntryBlocks = 8;  // u64

}  // namespace vd_list

namespace vd_info {

constexpr u32 kSize = 384;
constexpr u32 kBlocks = 256;   // u64
constexpr u32 kRunning = 264;  // u32 bits, by progress slot
constexpr u32 kProgress = 268;  // u16 progress and u16 seconds per slot
constexpr u32 kOwner = 300;     // u16 device id of the owner: 0, this controller

}  // namespace vd_info

}  // namespace

Block EncodeVdList(const Controller& c)
{
    std::vector<const VirtualDrive*> vds;
    for (const VirtualDrive& vd : c.config.virtualDrives)
        vds.push_back(&vd);
    std::sort(vds.begin(), vds.end(), [](const VirtualDrive* a, const VirtualDrive* b) { return a->targetId < b->targetId; });
    const std::size_t count = std::min(vds.size(), vd_list::kMaxEntries);

    Block block(vd_list::kSize);
    block.PutU32(vd_list::kCount, count);
    for (std::size_t i = 0; i < count; ++i) {
        ByteSpan entry = block.Slice(vd_list::kEntries + vd_list::kEntrySize * i, vd_list::kEntrySize);
        entry.PutU8(vd_list::kEntryTargetId, vds[i]->targetId);
        entry.PutU16(vd_list::kEntrySeq, vds[i]->seq);
        entry.PutU8(vd_list::kEntryState, static_cast<u8>(StateOf(c, *vds[i])));
        entry.PutU64(vd_list::kEntryBlocks, vds[i]->blocks);
    }
    return block;
}

Block EncodeVdInfo(const Controller& c, u64 now, const VirtualDrive& vd)
{
    Block block(vd_info::kSize);
    PutVdRecord(block.Slice(0, kVdRecordSize), c, now, vd);
    block.PutU64(vd_info::kBlocks, vd.blocks);
    for (unsigned slot = 0; slot < kVdProgressSlots; ++slot) {
        const auto op = VdProgressSlot(c, now, vd.targetId, slot);
        if (!op)
            continue;
        block.PutU32(vd_info::kRunning, block.U32(vd_info::kRunning) | (u32{1} << slot));
        block.PutU16(vd_info::kProgress + 4 * slot, op->progress);
        block.PutU16(vd_info::kProgress + 4 * slot + 2, op->elapsed);
    }
    block.PutU16(vd_info::kOwner, 0);
    return block;
}

}  // namespace sim
