// The drive list (DCMD 0x02010000): every drive and every enclosure device, by device id. u32
// size of the whole list at 0, u32 count at 4, 24-byte entries from 8.
#include <algorithm>

#include "TopologyEncoders.h"

namespace sim {
namespace {

namespace drive_list {

constexpr u32 kListSize = 0;      // u32 bytes of the whole list
constexpr u32 kListCount = 4;     // u32
constexpr u32 kEntries = 8;
constexpr u32 kEntrySize = 24;
constexpr u32 kEntryDeviceId = 0;  // u16, within an entry
constexpr u32 kEntryEnclosureId = 2;  // u16, 0xFFFF without enclosure
constexpr u32 kEntrySlot = 5;      // u8
constexpr u32 kEntryScsiType = 6;  // u8: 0 disk, 13 enclosure

}  // namespace drive_list


struct Entry {
    u16 deviceId;
    u16 enclosureId;
    u8 slot;
    u8 type;
};

}  // namespace

Block EncodeDriveList(const Controller& controller)
{
    std::vector<Entry> entries;
    for (const Drive& d : controller.drives)
        entries.push_back({d.deviceId, d.enclosure, d.slot, kTypeDisk});
    for (const Enclosure& e : controller.enclosures)
        entries.push_back({e.deviceId, e.deviceId, 0, kTypeEnclosure});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.deviceId < b.deviceId; });

    Block block(drive_list::kEntries + drive_list::kEntrySize * entries.size());
    block.PutU32(drive_list::kListSize, block.Size());
    block.PutU32(drive_list::kListCount, entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ByteSpan entry = block.Slice(drive_list::kEntries + drive_list::kEntrySize * i, drive_list::kEntrySize);
        entry.PutU16(drive_list::kEntryDeviceId, entries[i].deviceId);
        entry.PutU16(drive_list::kEntryEnclosureId, entries[i].enclosureId);
        entry.PutU8(drive_list::kEntrySlot, entries[i].slot);
        entry.PutU8(drive_list::kEntryScsiType, entries[i].type);
    }
    return block;
}

}  // namespace sim
