// Patrol read: the controller reads its drives in the background to find media errors before
// a rebuild needs the data. A run reads every eligible drive (PatrolRead in ModelController.h);
// each drive's read is a `patrol_read` operation that moves with the controller clock at the
// patrol read rate. A run starts by request, or on its own in automatic mode when the clock
// reaches the next start time; when it ends, an automatic run is due again after the delay.
// The statuses are documented in docs/firmware-interface.md ("Patrol read").
#pragma once
#include <optional>

#include "Model.h"

namespace sim {

// The state byte of the patrol-read status block.
constexpr u8 kPrStateStopped = 0;
constexpr u8 kPrStateReady = 1;
constexpr u8 kPrStateActive = 2;
constexpr u8 kPrStateSuspended = 3;  // every drive of the run that is being read is suspended
constexpr u8 kPrStateAborted = 255;

constexpr u64 kPrModeAuto = 0;
constexpr u64 kPrModeManual = 1;
constexpr u64 kPrModeDisabled = 2;

// A run goes on (its drives are being read, suspended or waiting).
bool PatrolReadRuns(const Controller& controller);
u8 PatrolReadState(const Controller& controller);

// Requests. Start: 39 while patrol read is disabled, 36 while a run goes on, 88 when no drive
// can be read. Stop: 39 while disabled; 0 also when no run goes on. Suspend: 37 unless a run is
// being read; resume: 37 unless a run is suspended.
u32 StartPatrolRead(Controller& controller, u64 now);
u32 StopPatrolRead(Controller& controller, u64 now);
u32 SuspendPatrolRead(Controller& controller, u64 now);
u32 ResumePatrolRead(Controller& controller, u64 now);

// The properties were written: disabling patrol read ends the run that goes on; an automatic
// run whose start time has come starts.
void PatrolReadSettingsChanged(Controller& controller, u64 now);

// For the completion of background work (WorkCompletion.cpp): a drive's read ended at `end`;
// the next waiting drive starts, and the last one ends the run. The time at which an automatic
// run is due, when that is not after `now`; starting it (at that time). Returns false when no
// drive could be read (the run is then due again after the delay).
void FinishPatrolReadDrive(Controller& controller, u64 end);
std::optional<u64> DueAutomaticPatrolRead(const Controller& controller, u64 now);
bool StartAutomaticPatrolRead(Controller& controller, u64 at);

}  // namespace sim
