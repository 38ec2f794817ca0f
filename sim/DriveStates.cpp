// A drive's firmware state and its place in the configuration: the transitions a set-state
// request may make, marking a member missing, filling an empty row, and preparing a drive for
// removal.
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

constexpr u32 kSetUnconfiguredGood = 0x00;
constexpr u32 kSetOffline = 0x10;
constexpr u32 kSetOnline = 0x18;
constexpr u32 kSetJbod = 0x40;

bool IsFailedOrOffline(DriveState s) { return s == DriveState::Offline || s == DriveState::Failed; }

// A member forced online: from offline or failed, or from rebuild (the rebuild ends).
u32 ToOnline(Controller& controller, u64 now, Drive& drive)
{
    if (!RowOf(controller, drive.deviceId) || (!IsFailedOrOffline(drive.state) && drive.state != DriveState::Rebuild))
        return kFwWrongState;
    const VdStateWatch watch(controller);
    RemoveWork(controller, FindWork(controller, drive.deviceId, OperationKind::Rebuild));
    ChangeState(controller, now, drive, DriveState::Online);
    watch.Report(controller, now);
    return kFwOk;
}

// An online or rebuilding member taken offline: its rebuild or the copyback it feeds ends, its
// virtual drives degrade, rebuilds its array can no longer feed stop, and a hot spare may take
// its row.
u32 ToOffline(Controller& controller, u64 now, Drive& drive)
{
    if (!RowOf(controller, drive.deviceId) || (drive.state != DriveState::Online && drive.state != DriveState::Rebuild))
        return kFwWrongState;
    const VdStateWatch watch(controller);
    RemoveWork(controller, FindWork(controller, drive.deviceId, OperationKind::Rebuild));
    if (const Operation* copyback = FindWork(controller, drive.deviceId, OperationKind::Copyback))
        AbortCopyback(controller, now, copyback);
    ChangeState(controller, now, drive, DriveState::Offline);
    StopHopelessRebuilds(controller, now, *RowOf(controller, drive.deviceId)->array);
    watch.Report(controller, now);
    StartSpareRebuilds(controller, now);
    return kFwOk;
}

// Unconfigured good from unconfigured bad, from a hot spare (which leaves the spare list), or
// from a system drive while the controller's conversion limit allows.
u32 ToUnconfiguredGood(Controller& controller, u64 now, Drive& drive)
{
    switch (drive.state) {
    case DriveState::UnconfiguredBad:
        break;
    case DriveState::HotSpare: {
        const auto entry = SpareEntry(controller, drive.deviceId);
        if (entry != controller.config.spares.end()) {
            LogSpareEvent(controller, now, kEvHotSpareRemoved, drive, *entry);
            controller.config.spares.erase(entry);
        }
        break;
    }
    case DriveState::Jbod: {
        JbodConversions& conversions = controller.jbodConversions;
        if (conversions.limit != 0 && conversions.done >= conversions.limit)
            return kFwJbodLimit;
        ++conversions.done;
        break;
    }
    default:
        return kFwWrongState;
    }
    ChangeState(controller, now, drive, DriveState::UnconfiguredGood);
    return kFwOk;
}

// A system drive from an idle unconfigured good drive without a foreign configuration, when the
// controller allows system drives.
u32 ToJbod(Controller& controller, u64 now, Drive& drive)
{
    if (drive.state != DriveState::UnconfiguredGood || controller.properties.jbodEnabled == 0 ||
        IsBusy(controller, drive.deviceId))
        return kFwWrongState;
    if (drive.foreign)
        return kFwForeignDrive;
    ChangeState(controller, now, drive, DriveState::Jbod);
    return kFwOk;
}

}  // namespace

u32 SetDriveState(Controller& controller, u64 now, DriveRef ref, u32 newState)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    switch (newState) {
    case kSetOnline:
        return ToOnline(controller, now, *drive);
    case kSetOffline:
        return ToOffline(controller, now, *drive);
    case kSetUnconfiguredGood:
        return ToUnconfiguredGood(controller, now, *drive);
    case kSetJbod:
        return ToJbod(controller, now, *drive);
    default:
        return kFwInvalidParameter;
    }
}

// The member leaves its row, which stays empty until a drive replaces it; the drive becomes
// unconfigured bad when it had failed, else unconfigured good.
u32 MarkMissing(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    const auto place = RowOf(controller, drive->deviceId);
    if (!place)
        return kFwWrongState;
    const VdStateWatch watch(controller);
    RemoveWork(controller, FindWork(controller, drive->deviceId, OperationKind::Rebuild));
    if (const Operation* copyback = FindWork(controller, drive->deviceId, OperationKind::Copyback))
        AbortCopyback(controller, now, copyback);
    place->array->rows[place->row] = kMissingRow;
    drive->formerSpare.reset();
    LogRowEvent(controller, now, kEvPdMarkedMissing, *drive, place->array->ref, place->row);
    ChangeState(controller, now, *drive,
                drive->state == DriveState::Failed ? DriveState::UnconfiguredBad : DriveState::UnconfiguredGood);
    StopHopelessRebuilds(controller, now, *place->array);
    watch.Report(controller, now);
    return kFwOk;
}

// An idle unconfigured good drive that holds the array's blocks and no foreign configuration
// fills an empty row; it stays offline there until it is rebuilt.
u32 ReplaceMissing(Controller& controller, u64 now, DriveRef ref, u16 arrayRef, u8 row)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    DriveArray* array = nullptr;
    for (DriveArray& a : controller.config.arrays) {
        if (a.ref == arrayRef)
            array = &a;
    }
    if (array == nullptr || row >= array->rows.size())
        return kFwInvalidParameter;
    if (array->rows[row] != kMissingRow || drive->state != DriveState::UnconfiguredGood ||
        IsBusy(controller, drive->deviceId))
        return kFwWrongState;
    if (drive->foreign)
        return kFwForeignDrive;
    if (UsableBlocks(controller, *drive) < array->blocks)
        return kFwDriveTooSmall;
    array->rows[row] = drive->deviceId;
    LogRowEvent(controller, now, kEvPdReplacedMissing, *drive, arrayRef, row);
    ChangeState(controller, now, *drive, DriveState::Offline);
    return kFwOk;
}

// Spins an idle drive that no array row holds down (or back up); its state stays. Asking for
// what already holds changes nothing.
u32 PrepareForRemoval(Controller& controller, u64 now, DriveRef ref, bool undo)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (undo) {
        if (drive->spunDown) {
            drive->spunDown = false;
            LogDriveEvent(controller, now, kEvPdRemovalUndone, *drive);
        }
        return kFwOk;
    }
    if (RowOf(controller, drive->deviceId) || drive->state == DriveState::Copyback || IsBusy(controller, drive->deviceId))
        return kFwWrongState;
    if (!drive->spunDown) {
        drive->spunDown = true;
        LogDriveEvent(controller, now, kEvPdPreparedForRemoval, *drive);
    }
    return kFwOk;
}

}  // namespace sim
