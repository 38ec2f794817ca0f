// Secure erase by overwriting: the controller writes the pattern bytes over the whole of an
// unconfigured good drive, or over the blocks a virtual drive uses on each of its members, once
// (simple), three times (normal) or nine times (thorough). The erase runs with the controller
// clock like other background work, can be stopped, and when it completes a virtual drive asked
// to go with it is deleted. The rules and statuses are documented in docs/firmware-interface.md
// ("Secure erase by overwriting").
#pragma once
#include "DriveRules.h"
#include "VdRules.h"

namespace sim {

// What a start request asks for: mailbox bytes 4-7.
struct EraseRequest {
    u8 eraseType = 0;  // 0 simple, 1 normal, 2 thorough (others 3)
    u8 patternA = 0;
    u8 patternB = 0;
    u8 deleteVd = 0;   // virtual drives: 1 deletes the drive when the erase completes (others 3)
};

// A drive (0x020F0100 / 0x020F0200): 12 / 4 for the reference; the start needs an idle
// unconfigured good drive (50) that is not locked (69); the stop a running erase (50).
u32 StartDriveErase(Controller& controller, u64 now, DriveRef drive, const EraseRequest& request);
u32 StopDriveErase(Controller& controller, u64 now, DriveRef drive);

// A virtual drive (0x03130100 / 0x03130200): 12 / 4 for the reference; the start needs a
// virtual drive that is not offline and not secured (42), with no erase (36) and no other work
// (41) running; the stop a running erase (37).
u32 StartVdErase(Controller& controller, u64 now, VdRef vd, const EraseRequest& request);
u32 StopVdErase(Controller& controller, u64 now, VdRef vd);
// Whether a virtual drive's erase may start now (its allowed-operations bit).
bool VdEraseAllowed(const Controller& controller, const VirtualDrive& vd);

// A finished erase at `end` (WorkCompletion.cpp calls it).
void FinishErase(Controller& controller, u64 end, const Operation& op);

}  // namespace sim
