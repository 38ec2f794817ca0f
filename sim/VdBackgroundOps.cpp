// Background work on virtual drives: consistency checks, initializations (fast or full) and
// background initializations; suspending and resuming them and reconstructions; and what each
// leaves behind when it completes.
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"
#include "Sizes.h"
#include "Topology.h"
#include "VdRules.h"

namespace sim {
namespace {

constexpr u64 kInitRatePercent = 100;  // an initialization runs at full speed
constexpr u64 kFastInitBlocks = 16384;  // a fast initialization writes the first 8 MiB of each member

Operation NewVdWork(OperationKind kind, u8 targetId, u64 now, u64 seconds)
{
    Operation op = NewOperation(kind, now, seconds);
    op.targetId = targetId;
    return op;
}

bool Redundant(const VirtualDrive& vd) { return FailuresTolerated(vd.raidLevel) > 0; }
bool Optimal(const Controller& c, const VirtualDrive& vd) { return StateOf(c, vd) == VdState::Optimal; }

// 36 when work of the kind runs already, 41 when other work runs on the virtual drive.
u32 CheckIdle(Controller& c, const VirtualDrive& vd, OperationKind kind)
{
    if (FindVdWork(c, vd.targetId, kind) != nullptr)
        return kFwInProgress;
    return IsVdBusy(c, vd.targetId) ? kFwVdBusy : kFwOk;
}

void StartBgi(Controller& c, u64 now, const VirtualDrive& vd)
{
    const u64 seconds = WorkSeconds(BlocksPerDrive(c, vd), c.properties.bgiRate);
    c.operations.push_back(NewVdWork(OperationKind::BackgroundInit, vd.targetId, now, seconds));
    LogVdEvent(c, now, kEvBgiStarted, vd.targetId);
}

// Suspends (0) or resumes (1) the work: 37 when it is not running, or not suspended to resume.
u32 SuspendOrResume(Controller& c, u64 now, Operation* work, u8 action, u32 suspended, u32 resumed)
{
    if (work == nullptr || work->suspendedAt.has_value() != (action == kResumeWork))
        return kFwNoOperation;
    if (action == kSuspendWork) {
        work->suspendedAt = now;
    } else {
        work->pausedSeconds += now > *work->suspendedAt ? now - *work->suspendedAt : 0;
        work->suspendedAt.reset();
    }
    LogVdEvent(c, now, action == kSuspendWork ? suspended : resumed, work->targetId);
    return kFwOk;
}

// A check (else a background initialization), or a reconstruction: 1 without the capability.
u32 SuspendResumeWork(Controller& c, u64 now, VdRef ref, u8 action, bool reconstruction)
{
    if (c.info.capabilities.count("bg_op_suspend_resume") == 0)
        return kFwNotSupported;
    u32 status = 0;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    if (action != kSuspendWork && action != kResumeWork)
        return kFwInvalidParameter;
    if (reconstruction)
        return SuspendOrResume(c, now, FindVdWork(c, vd->targetId, OperationKind::Reconstruction), action,
                               kEvReconSuspended, kEvReconResumed);
    if (Operation* cc = FindVdWork(c, vd->targetId, OperationKind::ConsistencyCheck))
        return SuspendOrResume(c, now, cc, action, kEvCcSuspended, kEvCcResumed);
    return SuspendOrResume(c, now, FindVdWork(c, vd->targetId, OperationKind::BackgroundInit), action,
                           kEvBgiSuspended, kEvBgiResumed);
}

}  // namespace

// A check runs on an optimal redundant virtual drive on which nothing else runs.
u32 StartConsistencyCheck(Controller& c, u64 now, VdRef ref)
{
    u32 status = 0;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    if (!Redundant(*vd) || !Optimal(c, *vd))
        return kFwVdStateNotAllowed;
    if ((status = CheckIdle(c, *vd, OperationKind::ConsistencyCheck)) != kFwOk)
        return status;
    const u64 seconds = WorkSeconds(BlocksPerDrive(c, *vd), c.properties.ccRate);
    c.operations.push_back(NewVdWork(OperationKind::ConsistencyCheck, vd->targetId, now, seconds));
    LogVdEvent(c, now, kEvCcStarted, vd->targetId);
    return kFwOk;
}

u32 AbortConsistencyCheck(Controller& c, u64 now, VdRef ref)
{
    u32 status = 0;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    const Operation* work = FindVdWork(c, vd->targetId, OperationKind::ConsistencyCheck);
    u32 event = kEvCcAborted;
    if (work == nullptr) {
        work = FindVdWork(c, vd->targetId, OperationKind::BackgroundInit);
        event = kEvBgiAborted;
    }
    if (work == nullptr)
        return kFwNoOperation;
    RemoveWork(c, work);
    LogVdEvent(c, now, event, vd->targetId);
    return kFwOk;
}

// An initialization erases the virtual drive: it is no longer consistent until one completes.
u32 StartInitialization(Controller& c, u64 now, VdRef ref, u8 full)
{
    u32 status = 0;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    if (full > 1)
        return kFwInvalidParameter;
    if (!Optimal(c, *vd))
        return kFwVdStateNotAllowed;
    if ((status = CheckIdle(c, *vd, OperationKind::FullInit)) != kFwOk)
        return status;
    const u64 perDrive = BlocksPerDrive(c, *vd);
    const u64 seconds = WorkSeconds(full != 0 ? perDrive : std::min(perDrive, kFastInitBlocks), kInitRatePercent);
    c.operations.push_back(
        NewVdWork(full != 0 ? OperationKind::FullInit : OperationKind::FastInit, vd->targetId, now, seconds));
    vd->consistent = false;
    LogVdEvent(c, now, kEvInitStarted, vd->targetId);
    return kFwOk;
}

u32 EndVdWork(Controller& c, u64 now, VdRef ref, OperationKind kind, u32 event)
{
    u32 status = 0;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    const Operation* work = FindVdWork(c, vd->targetId, kind);
    if (work == nullptr)
        return kFwNoOperation;
    RemoveWork(c, work);
    LogVdEvent(c, now, event, vd->targetId);
    return kFwOk;
}

u32 AbortInitialization(Controller& c, u64 now, VdRef ref)
{
    return EndVdWork(c, now, ref, OperationKind::FullInit, kEvInitAborted);
}

u32 SuspendResumeCheck(Controller& c, u64 now, VdRef ref, u8 action)
{
    return SuspendResumeWork(c, now, ref, action, false);
}

u32 SuspendResumeReconstruction(Controller& c, u64 now, VdRef ref, u8 action)
{
    return SuspendResumeWork(c, now, ref, action, true);
}

void BgiSettingChanged(Controller& c, u64 now, u8 targetId)
{
    u32 status = 0;
    const VirtualDrive* vd = NamedVd(c, targetId, status);
    if (vd == nullptr)
        return;
    if (vd->bgiDisabled) {
        if (const Operation* bgi = FindVdWork(c, targetId, OperationKind::BackgroundInit)) {
            RemoveWork(c, bgi);
            LogVdEvent(c, now, kEvBgiAborted, targetId);
        }
    } else if (Redundant(*vd) && !vd->consistent && Optimal(c, *vd) && !IsVdBusy(c, targetId)) {
        StartBgi(c, now, *vd);
    }
}

// A completed check, initialization or background initialization leaves the virtual drive
// consistent.
void FinishVdWork(Controller& c, u64 end, const Operation& op)
{
    u32 status = 0;
    VirtualDrive* vd = NamedVd(c, op.targetId, status);
    if (vd == nullptr)
        return;
    switch (op.kind) {
    case OperationKind::ConsistencyCheck:
        vd->consistent = true;
        LogVdEvent(c, end, kEvCcComplete, vd->targetId);
        break;
    case OperationKind::BackgroundInit:
        vd->consistent = true;
        LogVdEvent(c, end, kEvBgiComplete, vd->targetId);
        break;
    case OperationKind::FastInit:
    case OperationKind::FullInit:
        vd->consistent = true;
        LogVdEvent(c, end, kEvInitComplete, vd->targetId);
        break;
    case OperationKind::Reconstruction:
        FinishReconstruction(c, end, op);
        break;
    default:
        break;
    }
}

}  // namespace sim
