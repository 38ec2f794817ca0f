// Firmware rules for drives: the legal changes of a drive's firmware state, missing rows and
// their replacement, removal, hot spares taking over failed rows, and the background work on
// drives (rebuild, clear, copyback) that runs with the controller clock until it completes.
// Every rule answers a firmware status and leaves the controller unchanged when it refuses;
// every change gives the drive a new sequence number and is recorded in the event log. The
// rules and their statuses are documented in docs/firmware-interface.md ("Drive states and
// background work").
#pragma once
#include "Model.h"

namespace sim {

// A drive as requests name it: the u32 drive reference of the drive information record.
struct DriveRef {
    u16 deviceId = 0;
    u16 seq = 0;
};
// Device id in the low 16 bits, sequence number in the high 16.
DriveRef DriveRefFrom(u32 word);

// Firmware state (set firmware state request; only unconfigured good, offline, online and
// system drive may be asked for).
u32 SetDriveState(Controller& controller, u64 now, DriveRef drive, u32 newState);

// Missing rows: the drive leaves its row, or an unconfigured good drive fills an empty row.
u32 MarkMissing(Controller& controller, u64 now, DriveRef drive);
u32 ReplaceMissing(Controller& controller, u64 now, DriveRef drive, u16 arrayRef, u8 row);

// Spinning a drive down so that it can be pulled, and back up.
u32 PrepareForRemoval(Controller& controller, u64 now, DriveRef drive, bool undo);

// Background work on drives.
u32 StartRebuild(Controller& controller, u64 now, DriveRef drive);
u32 StopRebuild(Controller& controller, u64 now, DriveRef drive);
u32 StartClear(Controller& controller, u64 now, DriveRef drive);
u32 StopClear(Controller& controller, u64 now, DriveRef drive);
u32 StartCopyback(Controller& controller, u64 now, DriveRef target, DriveRef source);
u32 StopCopyback(Controller& controller, u64 now, DriveRef drive);
// `kind` is a rebuild or a copyback; `action` 0 suspends it, 1 resumes it.
u32 SuspendResume(Controller& controller, u64 now, DriveRef drive, OperationKind kind, u32 action);

// Hot spares take over the rows whose drive is offline or failed (and not rebuilding) and
// rebuild them, when the controller rebuilds automatically. Called when a drive goes offline
// and when a hot spare is made. True when anything changed.
bool StartSpareRebuilds(Controller& controller, u64 now);

// Completes the rebuilds, clears, copybacks and patrol reads, and the virtual drives' checks,
// initializations and reconstructions (VdRules.h), that the clock has passed, in the order they
// ended, and starts the automatic patrol reads that fell due. True when anything changed.
bool CompleteBackgroundWork(Controller& controller, u64 now);

}  // namespace sim
