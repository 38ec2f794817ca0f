// What runs and what may run on a drive: the drive progress block (DCMD 0x02060000, 32 bytes)
// and the drive allowed-operations word (DCMD 0x020A0000, 4 bytes).
#include "DriveRuleSupport.h"
#include "Operations.h"
#include "Topology.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

namespace drive_progress {

constexpr u32 kSize = 32;
constexpr u32 kRunningBits = 0;  // bit 0 rebuild, 1 patrol read, 2 clear, 3 copyback, 4 secure erase
constexpr u32 kRebuildOrCopyback = 4;  // u16 progress (0-65535), u16 seconds
constexpr u32 kPatrolRead = 8;
constexpr u32 kClearOrErase = 12;
constexpr u32 kSuspendedBits = 16;  // bit 0 rebuild, 1 patrol read, 3 copyback

}  // namespace drive_progress

namespace drive_allowed_ops {

constexpr u32 kSize = 4;
constexpr unsigned kFirmwareDownloadBit = 16;  // of the u32 word
constexpr unsigned kStopSecureEraseBit = 25;

}  // namespace drive_allowed_ops

struct Slot {
    OperationKind kind;
    unsigned bit;
    u32 offset;
    bool suspendable;
};

// A rebuild and a copyback share their progress bytes, as do a clear and a secure erase: a
// drive runs at most one of each pair.
constexpr Slot kSlots[] = {
    {OperationKind::Rebuild, 0, drive_progress::kRebuildOrCopyback, true},
    {OperationKind::PatrolRead, 1, drive_progress::kPatrolRead, true},
    {OperationKind::Clear, 2, drive_progress::kClearOrErase, false},
    {OperationKind::Copyback, 3, drive_progress::kRebuildOrCopyback, true},
    {OperationKind::SecureErase, 4, drive_progress::kClearOrErase, false},
};

}  // namespace

Block EncodeDriveProgress(const Controller& controller, u64 now, u16 deviceId)
{
    Block block(drive_progress::kSize);
    for (const Slot& slot : kSlots) {
        const auto op = DriveOperation(controller, now, deviceId, slot.kind);
        if (!op)
            continue;
        block.PutBit(drive_progress::kRunningBits, slot.bit, true);
        block.PutU16(slot.offset, op->progress);
        block.PutU16(slot.offset + 2, op->elapsed);
        block.PutBit(drive_progress::kSuspendedBits, slot.bit, slot.suspendable && op->suspended);
    }
    return block;
}

// Enclosure devices allow none of these operations.
Block EncodeDriveAllowedOps(const Controller& controller, u64 now, u16 deviceId)
{
    Block block(drive_allowed_ops::kSize);
    if (FindDrive(controller, deviceId) == nullptr)
        return block;
    // New firmware is taken only while no rebuild, clear, copyback or erase runs on the drive.
    u32 word = IsBusy(controller, deviceId) ? 0 : u32{1} << drive_allowed_ops::kFirmwareDownloadBit;
    if (DriveOperation(controller, now, deviceId, OperationKind::SecureErase))
        word |= u32{1} << drive_allowed_ops::kStopSecureEraseBit;
    block.PutU32(0, word);
    return block;
}

}  // namespace sim
