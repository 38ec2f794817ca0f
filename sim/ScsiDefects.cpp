// READ DEFECT DATA (10) (operation code 0x37) to a drive: the header of the manufacturer's
// (primary) or the grown defect list, or both, followed by as many entries as the allocation
// length takes. Entries are in the format asked for: block (0), bytes from index (4) or physical
// sector (5), 8 bytes each.
#include <algorithm>

#include "FwStatus.h"
#include "Scsi.h"

namespace sim {
namespace {

constexpr u32 kCdbLists = 2;            // bit 4 primary list, bit 3 grown list, bits 0-2 format
constexpr u32 kCdbAllocationLength = 7; // u16, big-endian
constexpr u8 kPrimaryList = 0x10;
constexpr u8 kGrownList = 0x08;
constexpr u8 kFormatMask = 0x07;
constexpr u8 kFormatBlock = 0;
constexpr u8 kFormatBytesFromIndex = 4;
constexpr u8 kFormatPhysicalSector = 5;

namespace defect_list {

constexpr u32 kHeaderSize = 4;
constexpr u32 kHeaderLists = 1;   // the lists and format of the data returned
constexpr u32 kHeaderLength = 2;  // u16, big-endian: bytes of entries that follow
constexpr u32 kEntrySize = 8;
constexpr u32 kMaxEntries = 0xFFFF / kEntrySize;  // what the 16-bit length can describe

}  // namespace defect_list

constexpr u32 kSectorsPerTrack = 1024;
constexpr u32 kHeads = 8;

void ReadDefectData(ScsiCall& call)
{
    const u8 lists = call.cdb.U8(kCdbLists);
    const u8 format = lists & kFormatMask;
    if (format != kFormatBlock && format != kFormatBytesFromIndex && format != kFormatPhysicalSector) {
        call.CheckCondition(kSenseIllegalRequest, kAscInvalidFieldInCdb);
        return;
    }
    const Drive& drive = *call.device.drive;
    u64 count = 0;
    if (lists & kPrimaryList)
        count += drive.primaryDefects;
    if (lists & kGrownList)
        count += drive.grownDefects;
    const u32 entries = static_cast<u32>(std::min<u64>(count, defect_list::kMaxEntries));
    call.allocationLength = AllocationLength(call.cdb, kCdbAllocationLength);
    const u32 room = std::max(call.allocationLength, defect_list::kHeaderSize) - defect_list::kHeaderSize;
    const u32 wanted = std::min<u32>(entries, room / defect_list::kEntrySize);
    call.reply = Block(defect_list::kHeaderSize + defect_list::kEntrySize * wanted);
    call.reply.PutU8(defect_list::kHeaderLists, lists & (kPrimaryList | kGrownList | kFormatMask));
    call.reply.PutBe(defect_list::kHeaderLength, 2, u64{entries} * defect_list::kEntrySize);
    // The defects lie spread over the drive, one per track from the start.
    for (u32 i = 0; i < wanted; ++i) {
        const u32 at = defect_list::kHeaderSize + defect_list::kEntrySize * i;
        if (format == kFormatBlock) {
            call.reply.PutBe(at, 4, u64{i} * kSectorsPerTrack * kHeads);
        } else {
            call.reply.PutBe(at, 3, i / kHeads);  // cylinder
            call.reply.PutU8(at + 3, i % kHeads);  // head
            call.reply.PutBe(at + 4, 4, format == kFormatPhysicalSector ? i % kSectorsPerTrack : u64{i} * 512);
        }
    }
}

constexpr ScsiRoute kDefectDataRoutes[] = {
    {0x37, kScsiDrives, 10, DataFlow::FromController, ReadDefectData},
};

}  // namespace

std::span<const ScsiRoute> DefectDataRoutes() { return kDefectDataRoutes; }

}  // namespace sim
