// What the controller does when configuration goes away: a virtual drive that is deleted takes
// its background operations with it; an array that no virtual drive uses any more is removed,
// its drives leave it and the spares dedicated to it lose it; a spare that is removed becomes
// unconfigured good. Every change is logged.
#pragma once
#include "Model.h"

namespace sim {

// Deletes the virtual drive (and its background operations) and logs it; the SSD cache no longer
// serves it (nor anything, when it was the last SSD cache). The arrays it leaves stay until
// ReleaseUnusedArrays.
void RemoveVirtualDrive(Controller& controller, u64 now, u8 targetId);

// Removes every array no virtual drive uses: its online, offline, rebuilding and copyback
// drives become unconfigured good, a failed drive unconfigured bad; rebuilds and copybacks on
// them stop; a secured drive is erased (it keeps only its ability to encrypt). A dedicated
// spare drops the removed arrays; one left dedicated to no array is no longer a spare and
// becomes unconfigured good.
void ReleaseUnusedArrays(Controller& controller, u64 now);

// Removes the spare entry of the drive and makes it unconfigured good (logged).
void RemoveSpare(Controller& controller, u64 now, u16 deviceId);

// Clears the configuration: every virtual drive, array and spare goes, the drives become
// unconfigured good (a failed member unconfigured bad), and the clear is logged. Without force
// it is refused with 102 while a virtual drive exists (its data would be lost).
u32 ClearConfiguration(Controller& controller, u64 now, bool force);

}  // namespace sim
