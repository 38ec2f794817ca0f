// Firmware rules for virtual drives: consistency checks, initializations, background
// initializations and reconstructions (level migrations, drives added or removed, expansion into
// free space), which run with the controller clock until they complete; and the requests that
// maintain a virtual drive (consistency flag, blocked access, protection information, preserved
// cache, bad-block table, mirror). Every rule answers a firmware status and leaves the controller
// unchanged when it refuses; every change is logged. The rules and their statuses are documented
// in docs/firmware-interface.md ("Virtual drives: background work and maintenance").
#pragma once
#include <optional>
#include <vector>

#include "Model.h"

namespace sim {

// A virtual drive as requests name it: target id in mailbox byte 0, sequence number in bytes 2-3.
struct VdRef {
    u8 targetId = 0;
    u16 seq = 0;
};
VdRef VdRefFrom(u32 word);

// The virtual drive a request names, or null with the status to refuse it with: 12 when no
// virtual drive has the target id, 4 (only when `seq` is given) for another sequence number.
VirtualDrive* NamedVd(Controller& controller, u8 targetId, u32& status, std::optional<u16> seq = std::nullopt);

// The virtual-drive operation of the kind (a fast or a full initialization for either), or null.
Operation* FindVdWork(Controller& controller, u8 targetId, OperationKind kind);
// A consistency check, initialization, background initialization or reconstruction runs on it.
bool IsVdBusy(const Controller& controller, u8 targetId);
// The drive is added to a virtual drive by a running reconstruction.
bool IsReservedForReconstruction(const Controller& controller, u16 deviceId);

void LogVdEvent(Controller& controller, u64 time, u32 code, u8 targetId);
// Ends the work of the kind (either initialization for one) on the virtual drive a request names
// before its time and logs `event`: 12 / 4 for the reference, 37 when no such work runs
// (VdBackgroundOps.cpp).
u32 EndVdWork(Controller& controller, u64 now, VdRef vd, OperationKind kind, u32 event);

// Background work (VdBackgroundOps.cpp). `action` 0 suspends, 1 resumes.
u32 StartConsistencyCheck(Controller& controller, u64 now, VdRef vd);
u32 AbortConsistencyCheck(Controller& controller, u64 now, VdRef vd);  // also ends a background init
u32 StartInitialization(Controller& controller, u64 now, VdRef vd, u8 full);
u32 AbortInitialization(Controller& controller, u64 now, VdRef vd);
u32 SuspendResumeCheck(Controller& controller, u64 now, VdRef vd, u8 action);  // a check or a BGI
u32 SuspendResumeReconstruction(Controller& controller, u64 now, VdRef vd, u8 action);
// A property write turned background initialization on or off (BGI starts on a redundant
// virtual drive that is not consistent; turning it off ends a running one).
void BgiSettingChanged(Controller& controller, u64 now, u8 targetId);

// The reconstruction request (0x03070100): its block and what the controller makes of it
// (VdReconstruction.cpp).
struct ReconstructionRequest {
    u32 vdReference = 0;  // as in the mailbox
    u8 change = 0;        // 0 none, 1 add drives, 2 remove drives
    u8 raidLevel = 0;     // the primary level asked for
    u8 percent = 0;       // expansion: percentage of the free room (kind of change 0)
    std::vector<std::pair<u16, u16>> drives;  // device id, sequence number
};
u32 StartReconstruction(Controller& controller, u64 now, VdRef vd, const ReconstructionRequest& request);
// The blocks each member may still give the virtual drive: up to the smallest member's size (the
// array grows with it), and none when another virtual drive follows it on one of its arrays.
u64 ExpansionRoom(const Controller& controller, const VirtualDrive& vd);

// Work that the clock has passed: its changes at `end` (WorkCompletion.cpp calls it).
void FinishVdWork(Controller& controller, u64 end, const Operation& op);
void FinishReconstruction(Controller& controller, u64 end, const Operation& op);

// Maintenance (VdMaintenance.cpp).
u32 SetConsistentFlag(Controller& controller, u64 now, u8 targetId, u32 flag);
u32 RemoveBlockedAccess(Controller& controller, u64 now, u8 targetId);  // 0xFF: every virtual drive
u32 DisableProtection(Controller& controller, u64 now, u8 targetId);
u64 PreservedCacheBitmap(const Controller& controller);
u32 DiscardPreservedCache(Controller& controller, u64 now, u8 targetId, u8 discard);
u32 ClearBadBlockTable(Controller& controller, u64 now, VdRef vd);
u32 JoinMirror(Controller& controller, u64 now, VdRef vd, u8 dataSource);
// 0 and the mirror's configuration (arrays holding the mirror copies, the mirror as a virtual
// drive), or the refusing status.
u32 MirrorConfiguration(Controller& controller, VdRef vd, Configuration& mirror);
// Bad-block management answers 1 when the controller lacks it or has it turned off.
bool BadBlockManagementOn(const Controller& controller);

}  // namespace sim
