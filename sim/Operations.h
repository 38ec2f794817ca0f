// Background work in progress: how far an operation has come at a given time. An operation
// runs from its start for its length, not counting the time it spent suspended; once that time
// has passed it is finished and no longer reported.
#pragma once
#include <optional>

#include "Model.h"

namespace sim {

// The action byte of a request that suspends or resumes background work.
constexpr u8 kSuspendWork = 0;
constexpr u8 kResumeWork = 1;

struct OperationProgress {
    bool suspended = false;
    u16 progress = 0;  // 0-65535 for 0-100 %
    u16 elapsed = 0;   // seconds it has run (at most 65535)
};

bool IsDriveOperation(OperationKind kind);

// Work of the kind that starts at `now` and runs `seconds`; the caller names what it runs on.
Operation NewOperation(OperationKind kind, u64 now, u64 seconds);

// The progress at `now` of the operation of the kind on the drive or virtual drive; nothing
// when none runs. A copyback runs on its target and on its source.
std::optional<OperationProgress> DriveOperation(const Controller& controller, u64 now, u16 deviceId, OperationKind kind);
std::optional<OperationProgress> VdOperation(const Controller& controller, u64 now, u8 targetId, OperationKind kind);

// The virtual-drive operations as the progress blocks report them, slot n at bit n: 0
// consistency check, 1 background initialization, 2 initialization (fast or full), 3
// reconstruction.
constexpr unsigned kVdProgressSlots = 4;
std::optional<OperationProgress> VdProgressSlot(const Controller& controller, u64 now, u8 targetId, unsigned slot);

}  // namespace sim
