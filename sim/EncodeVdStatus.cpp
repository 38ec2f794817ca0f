// What runs and what may run on a virtual drive: the progress block (DCMD 0x03080000, 36
// bytes) and the allowed-operations bitmap (DCMD 0x030B0000, 4 bytes).
#include "DriveSecurity.h"
#include "Operations.h"
#include "SecureErase.h"
#include "Sizes.h"
#include "Topology.h"
#include "VdEncoders.h"
#include "VdRules.h"

namespace sim {
namespace {

namespace vd_progress {

constexpr u32 kSize = 36;
constexpr u32 kRunning = 0;    // u32 bits, by progress slot
constexpr u32 kProgress = 4;   // u16 progress and u16 seconds per slot
constexpr u32 kSuspended = 24;  // bit 0 consistency check, bit 1 background initialization

}  // namespace vd_progress

namespace vd_allowed_ops {

constexpr u32 kSize = 4;
constexpr u32 kStartOps = 0;   // bit 2 start consistency check, bit 4 expansion, bit 6 secure
constexpr u32 kRunningOps = 2;  // bit 0 has mirror, bits 1/2 suspend/resume CC or BGI, bits 3/4
                                // suspend/resume reconstruction, bits 5/6 start/stop secure erase

}  // namespace vd_allowed_ops

constexpr unsigned kSlotCc = 0;
constexpr unsigned kSlotBgi = 1;
constexpr unsigned kSlotInit = 2;
constexpr unsigned kSlotReconstruction = 3;
// A secure erase runs alone on the virtual drive: it reports at bit 4 in the check's bytes.
constexpr unsigned kEraseBit = 4;
constexpr u32 kEraseProgress = vd_progress::kProgress;
constexpr unsigned kStartEraseBit = 5;  // of byte 2
constexpr unsigned kStopEraseBit = 6;

}  // namespace

Block EncodeVdProgress(const Controller& c, u64 now, const VirtualDrive& vd)
{
    Block block(vd_progress::kSize);
    for (unsigned slot = 0; slot < kVdProgressSlots; ++slot) {
        const auto op = VdProgressSlot(c, now, vd.targetId, slot);
        if (!op)
            continue;
        block.PutU32(vd_progress::kRunning, block.U32(vd_progress::kRunning) | (u32{1} << slot));
        block.PutU16(vd_progress::kProgress + 4 * slot, op->progress);
        block.PutU16(vd_progress::kProgress + 4 * slot + 2, op->elapsed);
        if (slot == kSlotCc || slot == kSlotBgi)
            block.PutBit(vd_progress::kSuspended, slot, op->suspended);
    }
    if (const auto erase = VdOperation(c, now, vd.targetId, OperationKind::VdSecureErase)) {
        block.PutU32(vd_progress::kRunning, block.U32(vd_progress::kRunning) | (u32{1} << kEraseBit));
        block.PutU16(kEraseProgress, erase->progress);
        block.PutU16(kEraseProgress + 2, erase->elapsed);
    }
    return block;
}

Block EncodeVdAllowedOps(const Controller& c, u64 now, const VirtualDrive& vd)
{
    const auto cc = VdProgressSlot(c, now, vd.targetId, kSlotCc);
    const auto bgi = VdProgressSlot(c, now, vd.targetId, kSlotBgi);
    const auto init = VdProgressSlot(c, now, vd.targetId, kSlotInit);
    const auto reconstruction = VdProgressSlot(c, now, vd.targetId, kSlotReconstruction);
    const auto erase = VdOperation(c, now, vd.targetId, OperationKind::VdSecureErase);
    const bool optimal = StateOf(c, vd) == VdState::Optimal;
    const bool busy = cc || bgi || init || reconstruction || erase;

    Block block(vd_allowed_ops::kSize);
    block.PutBit(vd_allowed_ops::kStartOps, 2, optimal && !busy && FailuresTolerated(vd.raidLevel) > 0);
    block.PutBit(vd_allowed_ops::kStartOps, 4, optimal && !busy && ExpansionRoom(c, vd) > 0);
    block.PutBit(vd_allowed_ops::kStartOps, 6, CanSecureVd(c, vd));
    block.PutBit(vd_allowed_ops::kRunningOps, 0, vd.raidLevel == 1 || vd.raidLevel == 10);
    block.PutBit(vd_allowed_ops::kRunningOps, 1, (cc && !cc->suspended) || (bgi && !bgi->suspended));
    block.PutBit(vd_allowed_ops::kRunningOps, 2, (cc && cc->suspended) || (bgi && bgi->suspended));
    block.PutBit(vd_allowed_ops::kRunningOps, 3, reconstruction && !reconstruction->suspended);
    block.PutBit(vd_allowed_ops::kRunningOps, 4, reconstruction && reconstruction->suspended);
    block.PutBit(vd_allowed_ops::kRunningOps, kStartEraseBit, VdEraseAllowed(c, vd));
    block.PutBit(vd_allowed_ops::kRunningOps, kStopEraseBit, erase.has_value());
    return block;
}

}  // namespace sim
