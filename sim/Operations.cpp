#include "Operations.h"

#include <algorithm>

namespace sim {
namespace {

std::optional<OperationProgress> ProgressAt(const Operation& op, u64 now)
{
    const u64 until = op.suspendedAt ? std::min(*op.suspendedAt, now) : now;
    const u64 span = until > op.started ? until - op.started : 0;
    const u64 ran = span > op.pausedSeconds ? span - op.pausedSeconds : 0;
    if (ran >= op.seconds)
        return std::nullopt;
    OperationProgress p;
    p.suspended = op.suspendedAt.has_value();
    // Clock values are 32-bit, so the product fits.
    p.progress = static_cast<u16>(ran * 65535u / op.seconds);
    p.elapsed = static_cast<u16>(std::min<u64>(ran, 0xFFFF));
    return p;
}

}  // namespace

Operation NewOperation(OperationKind kind, u64 now, u64 seconds)
{
    Operation op;
    op.kind = kind;
    op.started = now;
    op.seconds = seconds;
    return op;
}

bool IsDriveOperation(OperationKind kind)
{
    switch (kind) {
    case OperationKind::Rebuild:
    case OperationKind::PatrolRead:
    case OperationKind::Clear:
    case OperationKind::Copyback:
    case OperationKind::SecureErase:
        return true;
    default:
        return false;
    }
}

std::optional<OperationProgress> DriveOperation(const Controller& controller, u64 now, u16 deviceId, OperationKind kind)
{
    for (const Operation& op : controller.operations) {
        // A copyback shows on its source drive as well as on its target.
        const bool onDrive = op.deviceId == deviceId || (kind == OperationKind::Copyback && op.sourceId == deviceId);
        if (op.kind == kind && IsDriveOperation(kind) && onDrive)
            return ProgressAt(op, now);
    }
    return std::nullopt;
}

std::optional<OperationProgress> VdOperation(const Controller& controller, u64 now, u8 targetId, OperationKind kind)
{
    for (const Operation& op : controller.operations) {
        if (op.kind == kind && !IsDriveOperation(kind) && op.targetId == targetId)
            return ProgressAt(op, now);
    }
    return std::nullopt;
}

std::optional<OperationProgress> VdProgressSlot(const Controller& controller, u64 now, u8 targetId, unsigned slot)
{
    switch (slot) {
    case 0:
        return VdOperation(controller, now, targetId, OperationKind::ConsistencyCheck);
    case 1:
        return VdOperation(controller, now, targetId, OperationKind::BackgroundInit);
    case 2:
        if (const auto fast = VdOperation(controller, now, targetId, OperationKind::FastInit))
            return fast;
        return VdOperation(controller, now, targetId, OperationKind::FullInit);
    case 3:
        return VdOperation(controller, now, targetId, OperationKind::Reconstruction);
    default:
        return std::nullopt;
    }
}

}  // namespace sim
