// Background work on drives besides the rebuild's start and stop: clears, copybacks, suspending
// and resuming (WorkCompletion.cpp completes them).
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"

namespace sim {
namespace {

constexpr u64 kClearRatePercent = 100;  // a clear runs at full speed

Operation NewWork(OperationKind kind, u16 deviceId, u64 now, u64 seconds)
{
    Operation op = NewOperation(kind, now, seconds);
    op.deviceId = deviceId;
    return op;
}

}  // namespace

void AbortCopyback(Controller& controller, u64 now, const Operation* work)
{
    if (work == nullptr)
        return;
    const u16 targetId = work->deviceId;
    RemoveWork(controller, work);
    Drive* target = MutableDrive(controller, targetId);
    if (target == nullptr)
        return;
    LogDriveEvent(controller, now, kEvCopybackStopped, *target);
    if (target->state == DriveState::Copyback)
        ChangeState(controller, now, *target, DriveState::UnconfiguredGood);
}

u32 StartClear(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (drive->state != DriveState::UnconfiguredGood || IsBusy(controller, drive->deviceId))
        return kFwWrongState;
    const u64 seconds = WorkSeconds(UsableBlocks(controller, *drive), kClearRatePercent);
    controller.operations.push_back(NewWork(OperationKind::Clear, drive->deviceId, now, seconds));
    LogDriveEvent(controller, now, kEvClearStarted, *drive);
    return kFwOk;
}

u32 EndDriveWork(Controller& controller, u64 now, DriveRef ref, OperationKind kind, u32 event)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    const Operation* work = FindWork(controller, drive->deviceId, kind);
    if (work == nullptr)
        return kFwWrongState;
    RemoveWork(controller, work);
    LogDriveEvent(controller, now, event, *drive);
    return kFwOk;
}

u32 StopClear(Controller& controller, u64 now, DriveRef ref)
{
    return EndDriveWork(controller, now, ref, OperationKind::Clear, kEvClearStopped);
}

// The source is an idle online member; the target an idle unconfigured good drive without a
// foreign configuration that holds the source's array blocks. The target is in state copyback
// while the copy runs.
u32 StartCopyback(Controller& controller, u64 now, DriveRef targetRef, DriveRef sourceRef)
{
    u32 status = 0;
    Drive* target = NamedDrive(controller, targetRef, status);
    if (target == nullptr)
        return status;
    Drive* source = NamedDrive(controller, sourceRef, status);
    if (source == nullptr)
        return status;
    const auto place = RowOf(controller, source->deviceId);
    if (target == source || !place || source->state != DriveState::Online || IsBusy(controller, source->deviceId) ||
        target->state != DriveState::UnconfiguredGood || IsBusy(controller, target->deviceId))
        return kFwWrongState;
    if (target->foreign)
        return kFwForeignDrive;
    if (UsableBlocks(controller, *target) < place->array->blocks)
        return kFwDriveTooSmall;
    Operation op = NewWork(OperationKind::Copyback, target->deviceId, now,
                           WorkSeconds(place->array->blocks, controller.properties.rebuildRate));
    op.sourceId = source->deviceId;
    controller.operations.push_back(op);
    ChangeState(controller, now, *target, DriveState::Copyback);
    LogDriveEvent(controller, now, kEvCopybackStarted, *target,
                  "Copyback started from drive " + std::to_string(source->deviceId) + " to drive " +
                      std::to_string(target->deviceId));
    return kFwOk;
}

// Either drive of a copyback names it.
u32 StopCopyback(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    const Operation* copyback = FindWork(controller, drive->deviceId, OperationKind::Copyback);
    if (copyback == nullptr)
        return kFwWrongState;
    AbortCopyback(controller, now, copyback);
    return kFwOk;
}

u32 SuspendResume(Controller& controller, u64 now, DriveRef ref, OperationKind kind, u32 action)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (action != kSuspendWork && action != kResumeWork)
        return kFwInvalidParameter;
    Operation* work = FindWork(controller, drive->deviceId, kind);
    if (work == nullptr || work->suspendedAt.has_value() == (action == kSuspendWork))
        return kFwWrongState;
    const bool rebuild = kind == OperationKind::Rebuild;
    if (action == kSuspendWork) {
        work->suspendedAt = now;
        LogDriveEvent(controller, now, rebuild ? kEvRebuildSuspended : kEvCopybackSuspended, *drive);
    } else {
        work->pausedSeconds += now > *work->suspendedAt ? now - *work->suspendedAt : 0;
        work->suspendedAt.reset();
        LogDriveEvent(controller, now, rebuild ? kEvRebuildResumed : kEvCopybackResumed, *drive);
    }
    return kFwOk;
}

}  // namespace sim
