#include "PatrolRead.h"

#include <algorithm>

#include "Clock.h"
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"

namespace sim {
namespace {

void LogPatrolReadEvent(Controller& controller, u64 time, u32 code)
{
    AppendEvent(controller, ClockAt(time), code, EventArgs::None());
}

bool IsRead(const Operation& op) { return op.kind == OperationKind::PatrolRead; }

// A virtual drive with an array of the drive runs background work of its own.
bool VirtualDrivesBusy(const Controller& controller, u16 arrayRef)
{
    for (const VirtualDrive& vd : controller.config.virtualDrives) {
        if (std::find(vd.arrays.begin(), vd.arrays.end(), arrayRef) == vd.arrays.end())
            continue;
        const bool busy = std::any_of(controller.operations.begin(), controller.operations.end(), [&](const Operation& op) {
            return !IsDriveOperation(op.kind) && op.targetId == vd.targetId;
        });
        if (busy)
            return true;
    }
    return false;
}

// Patrol read reads the online members of arrays that nothing else keeps busy; solid state
// drives only when the properties ask for them.
bool Eligible(Controller& controller, const Drive& drive)
{
    if (drive.state != DriveState::Online || IsBusy(controller, drive.deviceId))
        return false;
    if (drive.media == DriveMedia::Ssd && controller.patrolRead.ssd == 0)
        return false;
    const auto place = RowOf(controller, drive.deviceId);
    return place && !VirtualDrivesBusy(controller, place->array->ref);
}

void StartDrive(Controller& controller, const Drive& drive, u64 at)
{
    Operation op;
    op.kind = OperationKind::PatrolRead;
    op.deviceId = drive.deviceId;
    op.started = at;
    op.seconds = WorkSeconds(UsableBlocks(controller, drive), controller.properties.patrolReadRate);
    controller.operations.push_back(op);
}

// Starts the waiting drives that still can be read, as many as the concurrency limit lets run.
void StartWaiting(Controller& controller, u64 at)
{
    PatrolRead& pr = controller.patrolRead;
    auto reading = static_cast<u64>(std::count_if(controller.operations.begin(), controller.operations.end(), IsRead));
    while (!pr.waiting.empty() && (pr.maxConcurrent == 0 || reading < pr.maxConcurrent)) {
        const u16 id = pr.waiting.front();
        pr.waiting.erase(pr.waiting.begin());
        const Drive* drive = MutableDrive(controller, id);
        if (drive == nullptr || !Eligible(controller, *drive))
            continue;
        StartDrive(controller, *drive, at);
        ++reading;
    }
}

// A new run at `at`: every eligible drive in device-id order waits, and the first start. False
// when there is none.
bool BeginRun(Controller& controller, u64 at)
{
    PatrolRead& pr = controller.patrolRead;
    std::vector<const Drive*> drives;
    for (const Drive& drive : controller.drives) {
        if (Eligible(controller, drive))
            drives.push_back(&drive);
    }
    if (drives.empty())
        return false;
    std::sort(drives.begin(), drives.end(), [](const Drive* a, const Drive* b) { return a->deviceId < b->deviceId; });
    pr.waiting.clear();
    for (const Drive* drive : drives)
        pr.waiting.push_back(drive->deviceId);
    pr.drivesDone = 0;
    pr.aborted = false;
    StartWaiting(controller, at);
    LogPatrolReadEvent(controller, at, kEvPrStarted);
    return true;
}

// After a run in automatic mode, the next one follows after the delay (at once without one).
void ScheduleNext(Controller& controller, u64 end)
{
    PatrolRead& pr = controller.patrolRead;
    if (pr.mode != kPrModeAuto)
        return;
    const u64 delay = pr.delaySeconds == kNoDelay ? 0 : pr.delaySeconds;
    pr.nextStart = std::min(end + delay, kClockMax);
}

// Suspends the reads that run, or resumes the suspended ones (their suspended time moves their
// end on). False when there is none.
bool SetSuspended(Controller& controller, u64 now, bool suspend)
{
    bool any = false;
    for (Operation& op : controller.operations) {
        if (!IsRead(op) || op.suspendedAt.has_value() == suspend)
            continue;
        if (suspend) {
            op.suspendedAt = now;
        } else {
            op.pausedSeconds += now > *op.suspendedAt ? now - *op.suspendedAt : 0;
            op.suspendedAt.reset();
        }
        any = true;
    }
    return any;
}

void EndRun(Controller& controller)
{
    std::erase_if(controller.operations, IsRead);
    controller.patrolRead.waiting.clear();
}

}  // namespace

bool PatrolReadRuns(const Controller& controller)
{
    return !controller.patrolRead.waiting.empty() ||
           std::any_of(controller.operations.begin(), controller.operations.end(), IsRead);
}

u8 PatrolReadState(const Controller& controller)
{
    const PatrolRead& pr = controller.patrolRead;
    if (PatrolReadRuns(controller)) {
        const bool reading = std::any_of(controller.operations.begin(), controller.operations.end(),
                                         [](const Operation& op) { return IsRead(op) && !op.suspendedAt; });
        const bool suspended = std::any_of(controller.operations.begin(), controller.operations.end(),
                                           [](const Operation& op) { return IsRead(op) && op.suspendedAt; });
        return suspended && !reading ? kPrStateSuspended : kPrStateActive;
    }
    if (pr.mode == kPrModeDisabled)
        return kPrStateStopped;
    if (pr.aborted)
        return kPrStateAborted;
    return pr.mode == kPrModeAuto ? kPrStateReady : kPrStateStopped;
}

u32 StartPatrolRead(Controller& controller, u64 now)
{
    if (controller.patrolRead.mode == kPrModeDisabled)
        return kFwPatrolReadDisabled;
    if (PatrolReadRuns(controller))
        return kFwInProgress;
    return BeginRun(controller, now) ? kFwOk : kFwNoPatrolReadDrives;
}

u32 StopPatrolRead(Controller& controller, u64 now)
{
    if (controller.patrolRead.mode == kPrModeDisabled)
        return kFwPatrolReadDisabled;
    if (!PatrolReadRuns(controller))
        return kFwOk;
    EndRun(controller);
    controller.patrolRead.aborted = true;
    ScheduleNext(controller, now);
    LogPatrolReadEvent(controller, now, kEvPrStopped);
    return kFwOk;
}

u32 SuspendPatrolRead(Controller& controller, u64 now)
{
    if (!SetSuspended(controller, now, true))
        return kFwNoOperation;
    LogPatrolReadEvent(controller, now, kEvPrSuspended);
    return kFwOk;
}

u32 ResumePatrolRead(Controller& controller, u64 now)
{
    if (!SetSuspended(controller, now, false))
        return kFwNoOperation;
    LogPatrolReadEvent(controller, now, kEvPrResumed);
    return kFwOk;
}

void PatrolReadSettingsChanged(Controller& controller, u64 now)
{
    if (controller.patrolRead.mode == kPrModeDisabled && PatrolReadRuns(controller)) {
        EndRun(controller);
        controller.patrolRead.aborted = true;
        LogPatrolReadEvent(controller, now, kEvPrStopped);
        return;
    }
    if (DueAutomaticPatrolRead(controller, now))
        StartAutomaticPatrolRead(controller, now);
}

void FinishPatrolReadDrive(Controller& controller, u64 end)
{
    PatrolRead& pr = controller.patrolRead;
    pr.drivesDone = std::min<u64>(pr.drivesDone + 1, 0xFF);
    StartWaiting(controller, end);
    if (PatrolReadRuns(controller))
        return;
    pr.iterations = std::min<u64>(pr.iterations + 1, 0xFFFFFFFF);
    LogPatrolReadEvent(controller, end, kEvPrComplete);
    ScheduleNext(controller, end);
}

std::optional<u64> DueAutomaticPatrolRead(const Controller& controller, u64 now)
{
    const PatrolRead& pr = controller.patrolRead;
    if (pr.mode != kPrModeAuto || pr.nextStart == 0 || pr.nextStart > now || PatrolReadRuns(controller))
        return std::nullopt;
    return pr.nextStart;
}

bool StartAutomaticPatrolRead(Controller& controller, u64 at)
{
    PatrolRead& pr = controller.patrolRead;
    pr.nextStart = 0;
    if (BeginRun(controller, at))
        return true;
    ScheduleNext(controller, at);
    // Without a delay the run would be due again at once; the next try waits for a new start time.
    if (pr.nextStart == at)
        pr.nextStart = 0;
    return false;
}

}  // namespace sim
