// Sizes as the controller derives them: a drive's non-coerced and coerced size, the blocks an
// array uses on each member, and how a virtual drive's size spreads over its spans' drives.
// All sizes count 512-byte blocks.
#pragma once
#include "Model.h"

namespace sim {

// The controller keeps its configuration data in the last 1 MiB of every drive.
constexpr u64 kReservedBlocks = 2048;

// The raw size less the reserved area.
u64 NonCoercedBlocks(const Drive& drive);
// The non-coerced size rounded down by the coercion mode (0 none, 1 to 128 MB, 2 to 1 GB).
u64 CoercedBlocks(const Drive& drive, u64 coercionMode);
// The smallest coerced size of the array's present members (0 when none is present).
u64 SmallestMemberBlocks(const Controller& controller, const DriveArray& array);

// Drives of a span of `rows` drives that hold data (not mirror copies or parity).
unsigned DataDrives(u8 raidLevel, std::size_t rows);
// Data drives of all the virtual drive's spans.
u64 TotalDataDrives(const Controller& controller, const VirtualDrive& vd);
// Blocks the virtual drive uses on each member drive of each span.
u64 BlocksPerDrive(const Controller& controller, const VirtualDrive& vd);

// Fills in the sizes the state file left out (kDerivedBlocks): an array uses the smallest
// coerced size of its members; a virtual drive starts after the virtual drives listed before it
// on its arrays and, without a size, takes the rest of them.
void ResolveSizes(Controller& controller);
// The same for the configurations the controller's foreign drives carry; a missing span counts
// the rows of the virtual drive's present spans.
void ResolveForeignSizes(Controller& controller);

}  // namespace sim
