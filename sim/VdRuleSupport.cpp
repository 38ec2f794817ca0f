// What the virtual-drive rules share: finding the virtual drive and the work a request names,
// and logging.
#include <algorithm>

#include "Clock.h"
#include "FwStatus.h"
#include "Operations.h"
#include "VdRules.h"

namespace sim {

VdRef VdRefFrom(u32 word) { return {static_cast<u8>(word & 0xFF), static_cast<u16>(word >> 16)}; }

VirtualDrive* NamedVd(Controller& controller, u8 targetId, u32& status, std::optional<u16> seq)
{
    for (VirtualDrive& vd : controller.config.virtualDrives) {
        if (vd.targetId != targetId)
            continue;
        if (seq && *seq != vd.seq) {
            status = kFwInvalidSequence;
            return nullptr;
        }
        status = kFwOk;
        return &vd;
    }
    status = kFwNotFound;
    return nullptr;
}

Operation* FindVdWork(Controller& controller, u8 targetId, OperationKind kind)
{
    const bool init = kind == OperationKind::FastInit || kind == OperationKind::FullInit;
    for (Operation& op : controller.operations) {
        const bool sameKind =
            op.kind == kind || (init && (op.kind == OperationKind::FastInit || op.kind == OperationKind::FullInit));
        if (sameKind && !IsDriveOperation(op.kind) && op.targetId == targetId)
            return &op;
    }
    return nullptr;
}

bool IsVdBusy(const Controller& controller, u8 targetId)
{
    return std::any_of(controller.operations.begin(), controller.operations.end(), [&](const Operation& op) {
        return !IsDriveOperation(op.kind) && op.targetId == targetId;
    });
}

bool IsReservedForReconstruction(const Controller& controller, u16 deviceId)
{
    return std::any_of(controller.operations.begin(), controller.operations.end(), [&](const Operation& op) {
        return op.kind == OperationKind::Reconstruction && op.change == ReconstructionChange::AddDrives &&
               std::find(op.drives.begin(), op.drives.end(), deviceId) != op.drives.end();
    });
}

void LogVdEvent(Controller& controller, u64 time, u32 code, u8 targetId)
{
    AppendEvent(controller, ClockAt(time), code, EventArgs::Ld(EventLd{targetId}));
}

}  // namespace sim
