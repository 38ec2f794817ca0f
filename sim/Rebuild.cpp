// Rebuilds: started by hand on an offline or failed member, or by the firmware onto a hot spare
// that takes over the row of a member that went offline or failed. A rebuild runs over the blocks
// the array uses on each member at the controller's rebuild rate.
#include <algorithm>
#include <tuple>

#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

// A row can be rebuilt when every virtual drive on the array is redundant and the array has not
// lost more rows (this one included) than the least redundant of them survives.
bool RowCanBeRebuilt(const Controller& controller, const DriveArray& array)
{
    bool used = false;
    unsigned tolerated = ~0u;
    for (const VirtualDrive& vd : controller.config.virtualDrives) {
        if (Contains(vd.arrays, array.ref)) {
            used = true;
            tolerated = std::min(tolerated, FailuresTolerated(vd.raidLevel));
        }
    }
    if (!used || tolerated == 0)
        return false;
    unsigned lost = 0;
    for (u16 row : array.rows) {
        const Drive* drive = row == kMissingRow ? nullptr : FindDrive(controller, row);
        if (drive == nullptr || drive->state != DriveState::Online)
            ++lost;
    }
    return lost <= tolerated;
}

void BeginRebuild(Controller& controller, u64 now, Drive& drive, const DriveArray& array)
{
    ChangeState(controller, now, drive, DriveState::Rebuild);
    Operation op;
    op.kind = OperationKind::Rebuild;
    op.deviceId = drive.deviceId;
    op.started = now;
    op.seconds = WorkSeconds(array.blocks, controller.properties.rebuildRate);
    controller.operations.push_back(op);
    LogDriveEvent(controller, now, kEvRebuildStarted, drive);
}

// The hot spare that takes over a row of the array from the leaving drive: a spare dedicated to
// the array before a global one; then one in the leaving drive's enclosure, then one without
// enclosure affinity elsewhere, then one with affinity to another enclosure; then the lowest
// device id. A spare must be idle, spun up (not prepared for removal) and hold the array's
// blocks.
Drive* ChooseSpare(Controller& controller, const DriveArray& array, const Drive& leaving)
{
    Drive* best = nullptr;
    std::tuple<int, int, u16> bestRank{};
    for (const Spare& spare : controller.config.spares) {
        if (!spare.arrays.empty() && !Contains(spare.arrays, array.ref))
            continue;
        Drive* drive = MutableDrive(controller, spare.deviceId);
        if (drive == nullptr || drive->state != DriveState::HotSpare || drive->spunDown ||
            IsBusy(controller, drive->deviceId) || UsableBlocks(controller, *drive) < array.blocks)
            continue;
        const int placement = drive->enclosure == leaving.enclosure ? 0 : (spare.enclosureAffinity ? 2 : 1);
        const std::tuple<int, int, u16> rank{spare.arrays.empty() ? 1 : 0, placement, drive->deviceId};
        if (best == nullptr || rank < bestRank) {
            best = drive;
            bestRank = rank;
        }
    }
    return best;
}

// The spare leaves the spare list (a revertible one remembers its entry) and takes the row; the
// drive it replaces leaves the array, unconfigured bad when it had failed, else unconfigured good.
void TakeOverRow(Controller& controller, u64 now, Drive& spareDrive, Drive& leaving, const RowPlace& place)
{
    const auto entry = SpareEntry(controller, spareDrive.deviceId);
    if (entry != controller.config.spares.end()) {
        if (entry->revertible)
            spareDrive.formerSpare = FormerSpare{entry->arrays, entry->enclosureAffinity};
        controller.config.spares.erase(entry);
    }
    place.array->rows[place.row] = spareDrive.deviceId;
    leaving.formerSpare.reset();
    ChangeState(controller, now, leaving,
                leaving.state == DriveState::Failed ? DriveState::UnconfiguredBad : DriveState::UnconfiguredGood);
    LogRowEvent(controller, now, kEvHotSpareTookRow, spareDrive, place.array->ref, place.row);
    BeginRebuild(controller, now, spareDrive, *place.array);
}

}  // namespace

u32 StartRebuild(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    const auto place = RowOf(controller, drive->deviceId);
    if (!place || (drive->state != DriveState::Offline && drive->state != DriveState::Failed) ||
        IsBusy(controller, drive->deviceId) || !RowCanBeRebuilt(controller, *place->array))
        return kFwWrongState;
    const VdStateWatch watch(controller);
    BeginRebuild(controller, now, *drive, *place->array);
    watch.Report(controller, now);
    return kFwOk;
}

u32 StopRebuild(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (drive->state != DriveState::Rebuild)
        return kFwWrongState;
    const VdStateWatch watch(controller);
    RemoveWork(controller, FindWork(controller, drive->deviceId, OperationKind::Rebuild));
    LogDriveEvent(controller, now, kEvRebuildStopped, *drive);
    ChangeState(controller, now, *drive, DriveState::Offline);
    watch.Report(controller, now);
    return kFwOk;
}

void StopHopelessRebuilds(Controller& controller, u64 now, const DriveArray& array)
{
    if (RowCanBeRebuilt(controller, array))
        return;
    for (u16 row : array.rows) {
        Drive* drive = row == kMissingRow ? nullptr : MutableDrive(controller, row);
        if (drive == nullptr || drive->state != DriveState::Rebuild)
            continue;
        RemoveWork(controller, FindWork(controller, drive->deviceId, OperationKind::Rebuild));
        LogDriveEvent(controller, now, kEvRebuildStopped, *drive);
        ChangeState(controller, now, *drive, DriveState::Offline);
    }
}

bool StartSpareRebuilds(Controller& controller, u64 now)
{
    if (controller.properties.autoRebuild == 0)
        return false;
    const VdStateWatch watch(controller);
    bool changed = false;
    for (DriveArray& array : controller.config.arrays) {
        for (std::size_t row = 0; row < array.rows.size(); ++row) {
            Drive* leaving = array.rows[row] == kMissingRow ? nullptr : MutableDrive(controller, array.rows[row]);
            if (leaving == nullptr || (leaving->state != DriveState::Offline && leaving->state != DriveState::Failed) ||
                IsBusy(controller, leaving->deviceId) || !RowCanBeRebuilt(controller, array))
                continue;
            if (Drive* spare = ChooseSpare(controller, array, *leaving)) {
                TakeOverRow(controller, now, *spare, *leaving, RowPlace{&array, row});
                changed = true;
            }
        }
    }
    watch.Report(controller, now);
    return changed;
}

}  // namespace sim
