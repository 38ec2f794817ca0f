// The completion of background work (rebuilds, clears, copybacks, patrol reads, secure erases;
// checks, initializations, reconstructions and secure erases of virtual drives): when a run
// starts, every piece of work whose end the controller clock has passed completes, in the order
// the pieces ended, and its changes and events carry its end time. Automatic patrol reads that
// fell due in that time start in their place in that order.
#include <algorithm>

#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "PatrolRead.h"
#include "SecureErase.h"
#include "Topology.h"
#include "VdRules.h"

namespace sim {
namespace {

// When finished work ended: its start, the time it spent suspended, and its length. Suspended
// work ends only when it had run its length before it was suspended. (Work of no length has
// ended whatever its start.)
std::optional<u64> EndOf(const Operation& op, u64 now)
{
    const u64 until = op.suspendedAt ? std::min(*op.suspendedAt, now) : now;
    const u64 end = op.started + op.pausedSeconds + op.seconds;
    if (end <= until)
        return end;
    if (op.seconds == 0)
        return until;
    return std::nullopt;
}

// The automatic patrol reads one run starts at most: a clock that moved on by years lets the rest
// start in later runs.
constexpr unsigned kMaxAutomaticRuns = 64;

// The work completed here: rebuilds, clears, copybacks, patrol reads and secure erases, and the
// virtual drives' checks, initializations, reconstructions and secure erases.
bool CompletesHere(OperationKind kind)
{
    switch (kind) {
    case OperationKind::Rebuild:
    case OperationKind::Clear:
    case OperationKind::Copyback:
    case OperationKind::PatrolRead:
    case OperationKind::ConsistencyCheck:
    case OperationKind::BackgroundInit:
    case OperationKind::FastInit:
    case OperationKind::FullInit:
    case OperationKind::Reconstruction:
    case OperationKind::SecureErase:
    case OperationKind::VdSecureErase:
        return true;
    default:
        return false;
    }
}

// The copyback's target takes the source's row and comes online; the source goes back to the
// hot-spare entry it gave up (when it was a revertible spare and its arrays still exist) or
// becomes unconfigured good.
void FinishCopyback(Controller& controller, u64 end, const Operation& op)
{
    Drive* target = MutableDrive(controller, op.deviceId);
    Drive* source = MutableDrive(controller, op.sourceId);
    const auto place = source == nullptr ? std::nullopt : RowOf(controller, source->deviceId);
    if (target == nullptr || target->state != DriveState::Copyback)
        return;
    if (!place) {
        ChangeState(controller, end, *target, DriveState::UnconfiguredGood);
        return;
    }
    place->array->rows[place->row] = target->deviceId;
    LogDriveEvent(controller, end, kEvCopybackComplete, *target);
    ChangeState(controller, end, *target, DriveState::Online);

    std::optional<FormerSpare> former = source->formerSpare;
    source->formerSpare.reset();
    if (former && !former->arrays.empty()) {
        std::erase_if(former->arrays, [&](u16 ref) { return FindArray(controller, ref) == nullptr; });
        if (former->arrays.empty())
            former.reset();
    }
    if (former) {
        const Spare spare{source->deviceId, former->arrays, true, former->enclosureAffinity};
        controller.config.spares.push_back(spare);
        ChangeState(controller, end, *source, DriveState::HotSpare);
        LogSpareEvent(controller, end, kEvHotSpareCreated, *source, spare);
    } else {
        ChangeState(controller, end, *source, DriveState::UnconfiguredGood);
    }
}

void Finish(Controller& controller, u64 end, const Operation& op)
{
    Drive* drive = MutableDrive(controller, op.deviceId);
    switch (op.kind) {
    case OperationKind::Rebuild:
        if (drive != nullptr && drive->state == DriveState::Rebuild) {
            LogDriveEvent(controller, end, kEvRebuildComplete, *drive);
            ChangeState(controller, end, *drive, DriveState::Online);
        }
        break;
    case OperationKind::Clear:
        if (drive != nullptr)
            LogDriveEvent(controller, end, kEvClearComplete, *drive);
        break;
    case OperationKind::Copyback:
        FinishCopyback(controller, end, op);
        break;
    case OperationKind::PatrolRead:
        FinishPatrolReadDrive(controller, end);
        break;
    case OperationKind::SecureErase:
    case OperationKind::VdSecureErase:
        FinishErase(controller, end, op);
        break;
    default:
        FinishVdWork(controller, end, op);
        break;
    }
}

}  // namespace

bool CompleteBackgroundWork(Controller& controller, u64 now)
{
    bool changed = false;
    unsigned automaticRuns = 0;
    for (;;) {
        // The earliest finished piece of work first, so that the log keeps time order.
        const Operation* next = nullptr;
        u64 nextEnd = 0;
        for (const Operation& op : controller.operations) {
            const auto end = CompletesHere(op.kind) ? EndOf(op, now) : std::nullopt;
            if (end && (next == nullptr || *end < nextEnd)) {
                next = &op;
                nextEnd = *end;
            }
        }
        const auto due = automaticRuns < kMaxAutomaticRuns ? DueAutomaticPatrolRead(controller, now) : std::nullopt;
        if (due && (next == nullptr || *due <= nextEnd)) {
            StartAutomaticPatrolRead(controller, *due);
            ++automaticRuns;
            changed = true;
            continue;
        }
        if (next == nullptr)
            break;
        const Operation done = *next;
        RemoveWork(controller, next);
        const VdStateWatch watch(controller);
        Finish(controller, nextEnd, done);
        watch.Report(controller, nextEnd);
        changed = true;
    }
    // A drive outside the array rows holds no spare entry to go back to.
    for (Drive& drive : controller.drives) {
        if (drive.formerSpare && !RowOf(controller, drive.deviceId)) {
            drive.formerSpare.reset();
            changed = true;
        }
    }
    return changed;
}

}  // namespace sim
