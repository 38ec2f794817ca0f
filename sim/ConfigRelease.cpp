#include "ConfigRelease.h"

#include <algorithm>
#include <set>

#include "Clock.h"
#include "DriveRuleSupport.h"
#include "DriveSecurity.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"
#include "SsdCache.h"

namespace sim {
namespace {

bool InUse(const Controller& controller, u16 arrayRef)
{
    return std::any_of(controller.config.virtualDrives.begin(), controller.config.virtualDrives.end(),
                       [&](const VirtualDrive& vd) {
                           return std::find(vd.arrays.begin(), vd.arrays.end(), arrayRef) != vd.arrays.end();
                       });
}

// Drops the references to removed arrays from a list; true when the list had some and has none
// left.
bool DropRefs(std::vector<u16>& refs, const std::set<u16>& removed)
{
    if (refs.empty())
        return false;
    std::erase_if(refs, [&](u16 ref) { return removed.count(ref) != 0; });
    return refs.empty();
}

void LeaveArray(Controller& controller, u64 now, Drive& drive)
{
    std::erase_if(controller.operations, [&](const Operation& op) {
        return ((op.kind == OperationKind::Rebuild || op.kind == OperationKind::PatrolRead) &&
                op.deviceId == drive.deviceId) ||
               (op.kind == OperationKind::Copyback && (op.deviceId == drive.deviceId || op.sourceId == drive.deviceId));
    });
    drive.formerSpare.reset();
    // The controller erases a member of a secured drive group as it leaves it.
    if (drive.security.count(security_flag::kSecured) != 0)
        ForgetDriveSecurity(drive);
    ChangeState(controller, now, drive,
                drive.state == DriveState::Failed ? DriveState::UnconfiguredBad : DriveState::UnconfiguredGood);
}

}  // namespace

void RemoveVirtualDrive(Controller& controller, u64 now, u8 targetId)
{
    std::erase_if(controller.config.virtualDrives, [&](const VirtualDrive& vd) { return vd.targetId == targetId; });
    std::erase_if(controller.operations,
                  [&](const Operation& op) { return !IsDriveOperation(op.kind) && op.targetId == targetId; });
    // The schedule and the BIOS forget the virtual drive.
    std::erase(controller.ccSchedule.excluded, targetId);
    if (!controller.bios.bootIsDrive && controller.bios.bootDevice == targetId)
        controller.bios.bootDevice = kNoBootDevice;
    AppendEvent(controller, ClockAt(now), kEvLdDeleted, EventArgs::Ld(EventLd{targetId}));
    DropAssociations(controller, now);
}

void ReleaseUnusedArrays(Controller& controller, u64 now)
{
    std::set<u16> removed;
    std::vector<u16> leaving;
    for (const DriveArray& array : controller.config.arrays) {
        if (InUse(controller, array.ref))
            continue;
        removed.insert(array.ref);
        for (u16 row : array.rows) {
            if (row != kMissingRow)
                leaving.push_back(row);
        }
    }
    if (removed.empty())
        return;
    std::erase_if(controller.config.arrays, [&](const DriveArray& a) { return removed.count(a.ref) != 0; });
    for (u16 id : leaving) {
        if (Drive* drive = MutableDrive(controller, id))
            LeaveArray(controller, now, *drive);
    }
    std::vector<u16> unprotecting;
    for (Spare& spare : controller.config.spares) {
        if (DropRefs(spare.arrays, removed))
            unprotecting.push_back(spare.deviceId);
    }
    for (u16 id : unprotecting)
        RemoveSpare(controller, now, id);
    // A revertible spare serving in a remaining array returns, after its copyback, only to the
    // arrays that still exist; to none at all, it stays where it is.
    for (Drive& drive : controller.drives) {
        if (drive.formerSpare && DropRefs(drive.formerSpare->arrays, removed))
            drive.formerSpare.reset();
    }
}

void RemoveSpare(Controller& controller, u64 now, u16 deviceId)
{
    const auto it = std::find_if(controller.config.spares.begin(), controller.config.spares.end(),
                                 [&](const Spare& s) { return s.deviceId == deviceId; });
    if (it == controller.config.spares.end())
        return;
    const Spare spare = *it;
    controller.config.spares.erase(it);
    Drive* drive = MutableDrive(controller, deviceId);
    if (drive == nullptr)
        return;
    LogSpareEvent(controller, now, kEvHotSpareRemoved, *drive, spare);
    // A shielded spare stays shielded.
    ChangeState(controller, now, *drive,
                drive->state == DriveState::HotSpareShielded ? DriveState::UnconfiguredShielded
                                                            : DriveState::UnconfiguredGood);
}

u32 ClearConfiguration(Controller& controller, u64 now, bool force)
{
    if (!force && !controller.config.virtualDrives.empty())
        return kFwDataWouldBeLost;
    std::vector<u8> targets;
    for (const VirtualDrive& vd : controller.config.virtualDrives)
        targets.push_back(vd.targetId);
    for (u8 targetId : targets)
        RemoveVirtualDrive(controller, now, targetId);
    ReleaseUnusedArrays(controller, now);
    std::vector<u16> spares;
    for (const Spare& spare : controller.config.spares)
        spares.push_back(spare.deviceId);
    for (u16 deviceId : spares)
        RemoveSpare(controller, now, deviceId);
    AppendEvent(controller, ClockAt(now), kEvConfigCleared, EventArgs::None());
    return kFwOk;
}

}  // namespace sim
