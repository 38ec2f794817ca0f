// What the drive rules share: finding the drives, rows and background work a request names,
// and carrying out a change as firmware does (a new sequence number, an event in the log, and
// an event for every virtual drive whose state the change moved).
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "DriveRules.h"

namespace sim {

// The drive a request names, or null with the status to refuse it with: 12 when no drive has
// the device id, 4 when the sequence number is not the drive's present one.
Drive* NamedDrive(Controller& controller, DriveRef ref, u32& status);
Drive* MutableDrive(Controller& controller, u16 deviceId);

// The drive's entry in the spare list, or the list's end.
std::vector<Spare>::iterator SpareEntry(Controller& controller, u16 deviceId);

// The array row a drive holds.
struct RowPlace {
    DriveArray* array = nullptr;
    std::size_t row = 0;
};
std::optional<RowPlace> RowOf(Controller& controller, u16 deviceId);

// The rebuild, clear or copyback running on a drive (a copyback on its target or its source).
Operation* FindWork(Controller& controller, u16 deviceId, OperationKind kind);
void RemoveWork(Controller& controller, const Operation* work);
// Ends the work of the kind on the drive a request names before its time and logs `event`: 12 / 4
// for the reference, 50 when no such work runs (BackgroundOps.cpp).
u32 EndDriveWork(Controller& controller, u64 now, DriveRef drive, OperationKind kind, u32 event);
// Stops the rebuilds of an array that has lost more rows than it can rebuild from: their drives
// go offline (Rebuild.cpp).
void StopHopelessRebuilds(Controller& controller, u64 now, const DriveArray& array);
// Ends a copyback before its time: its target goes back to unconfigured good (BackgroundOps.cpp).
void AbortCopyback(Controller& controller, u64 now, const Operation* work);
// The drive takes part in a rebuild, clear, copyback or secure erase, or a running reconstruction
// adds it to a virtual drive.
bool IsBusy(const Controller& controller, u16 deviceId);

// How long work over `blocks` takes at `ratePercent` of the controller's full speed (see
// docs/firmware-interface.md): 4096 blocks (2 MiB) a second for each percent, rounded up, at
// least one second.
u64 WorkSeconds(u64 blocks, u64 ratePercent);
// The size a drive offers to an array row.
u64 UsableBlocks(const Controller& controller, const Drive& drive);

// The event log for the drive rules, at the given clock time.
void LogDriveEvent(Controller& controller, u64 time, u32 code, const Drive& drive, const std::string& text = "");
void LogRowEvent(Controller& controller, u64 time, u32 code, const Drive& drive, u16 arrayRef, std::size_t row);
void LogSpareEvent(Controller& controller, u64 time, u32 code, const Drive& drive, const Spare& spare);

// Gives the drive its new firmware state and the next sequence number, and logs the change.
void ChangeState(Controller& controller, u64 time, Drive& drive, DriveState state);

// The states of the virtual drives before a change; Report logs each one the change moved.
class VdStateWatch {
public:
    explicit VdStateWatch(const Controller& controller);
    void Report(Controller& controller, u64 time) const;

private:
    std::vector<std::pair<u8, u8>> states_;  // target id, state
};

}  // namespace sim
