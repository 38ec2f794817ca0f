#include "SecureErase.h"

#include <algorithm>

#include "Clock.h"
#include "ConfigRelease.h"
#include "DriveRuleSupport.h"
#include "DriveSecurity.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"
#include "Sizes.h"
#include "Topology.h"

namespace sim {
namespace {

constexpr u64 kEraseRatePercent = 100;  // an erase writes at full speed
constexpr u8 kMaxEraseType = 2;
constexpr u64 kPasses[] = {1, 3, 9};    // simple, normal, thorough

bool Locked(const Drive& drive) { return drive.security.count(security_flag::kLocked) != 0; }

// 3 for an erase type or a delete option the request does not define.
bool Valid(const EraseRequest& request) { return request.eraseType <= kMaxEraseType && request.deleteVd <= 1; }

Operation NewErase(OperationKind kind, u64 now, u64 blocks, const EraseRequest& request)
{
    const u64 passes = kPasses[request.eraseType];
    Operation op = NewOperation(kind, now, std::min<u64>(WorkSeconds(blocks, kEraseRatePercent) * passes, kClockMax));
    op.eraseType = request.eraseType;
    op.patternA = request.patternA;
    op.patternB = request.patternB;
    op.deleteVd = kind == OperationKind::VdSecureErase && request.deleteVd != 0;
    return op;
}

}  // namespace

u32 StartDriveErase(Controller& controller, u64 now, DriveRef ref, const EraseRequest& request)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (!Valid(request) || request.deleteVd != 0)
        return kFwInvalidParameter;
    if (drive->state != DriveState::UnconfiguredGood || IsBusy(controller, drive->deviceId))
        return kFwWrongState;
    if (Locked(*drive))
        return kFwDriveLocked;
    Operation op = NewErase(OperationKind::SecureErase, now, UsableBlocks(controller, *drive), request);
    op.deviceId = drive->deviceId;
    controller.operations.push_back(op);
    LogDriveEvent(controller, now, kEvPdEraseStarted, *drive);
    return kFwOk;
}

u32 StopDriveErase(Controller& controller, u64 now, DriveRef ref)
{
    return EndDriveWork(controller, now, ref, OperationKind::SecureErase, kEvPdEraseStopped);
}

bool VdEraseAllowed(const Controller& controller, const VirtualDrive& vd)
{
    return StateOf(controller, vd) != VdState::Offline && vd.encryption == 0 && !IsVdBusy(controller, vd.targetId);
}

// The erase overwrites the data: the virtual drive is no longer consistent.
u32 StartVdErase(Controller& controller, u64 now, VdRef ref, const EraseRequest& request)
{
    u32 status = 0;
    VirtualDrive* vd = NamedVd(controller, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    if (!Valid(request))
        return kFwInvalidParameter;
    if (StateOf(controller, *vd) == VdState::Offline || vd->encryption != 0)
        return kFwVdStateNotAllowed;
    if (FindVdWork(controller, vd->targetId, OperationKind::VdSecureErase) != nullptr)
        return kFwInProgress;
    if (IsVdBusy(controller, vd->targetId))
        return kFwVdBusy;
    Operation op = NewErase(OperationKind::VdSecureErase, now, BlocksPerDrive(controller, *vd), request);
    op.targetId = vd->targetId;
    controller.operations.push_back(op);
    vd->consistent = false;
    LogVdEvent(controller, now, kEvLdEraseStarted, vd->targetId);
    return kFwOk;
}

u32 StopVdErase(Controller& controller, u64 now, VdRef ref)
{
    return EndVdWork(controller, now, ref, OperationKind::VdSecureErase, kEvLdEraseStopped);
}

void FinishErase(Controller& controller, u64 end, const Operation& op)
{
    if (op.kind == OperationKind::SecureErase) {
        if (const Drive* drive = MutableDrive(controller, op.deviceId))
            LogDriveEvent(controller, end, kEvPdEraseComplete, *drive);
        return;
    }
    if (FindVirtualDrive(controller, op.targetId) == nullptr)
        return;
    LogVdEvent(controller, end, kEvLdEraseComplete, op.targetId);
    if (op.deleteVd) {
        RemoveVirtualDrive(controller, end, op.targetId);
        ReleaseUnusedArrays(controller, end);
    }
}

}  // namespace sim
