// The controller's rules for what a configuration may hold: RAID levels and their drive counts,
// strip sizes, the limits of virtual drives, which drives may join an array or become a spare,
// and which drives may share a virtual drive. Each check answers 0 or the firmware status that
// refuses (documented in docs/firmware-interface.md, "Configuration changes").
#pragma once
#include <optional>
#include <vector>

#include "Model.h"

namespace sim {

// The state file's level code (0, 1, 5, 6, 10, 50, 60) of a virtual drive from its record's
// primary level and number of spans; nothing when the pair names no level the model holds.
std::optional<u8> LevelOf(u8 primaryLevel, std::size_t spans);

// 0, or 43 when the controller does not offer the level (a spanned RAID 0 is level "00").
u32 CheckLevelSupported(const Controller& controller, u8 level, std::size_t spans);

// The drives an array of the level may hold (each span of a spanned level is such an array).
struct DriveCountRange {
    unsigned min = 1;
    unsigned max = 32;
    bool even = false;  // mirrored levels pair their drives
};
DriveCountRange DrivesPerArray(const Controller& controller, u8 level);
// 0; 11 below the minimum or an odd count for a mirrored level; 47 above the maximum.
u32 CheckDriveCount(const Controller& controller, u8 level, std::size_t drives);

// 0, or 46 when the controller takes no virtual drive of that many spans.
u32 CheckSpanCount(const Controller& controller, std::size_t spans);

// 0, or 44 when the strip (2^exponent blocks) is outside the controller's limits.
u32 CheckStrip(const Controller& controller, u8 exponent);

// The most virtual drives the controller holds (information byte 1343; 64 when it is 0), and
// the most virtual drives one array holds (the defaults' "max_vds_per_array", 16 or 64, or the
// information's byte 1928 when that is lower and not 0).
std::size_t MaxVirtualDrives(const Controller& controller);
std::size_t MaxVdsPerArray(const Controller& controller);

// Where a new virtual drive goes in the configuration: the lowest target id no virtual drive has
// (nothing when the controller holds its most virtual drives), the sequence number above the
// highest of the virtual drives, the lowest array reference no array has.
std::optional<u8> FreeTargetId(const Controller& controller);
u16 NextVdSequence(const Controller& controller);
u16 FreeArrayRef(const Controller& controller);

// Whether a drive may join a new array or become a hot spare: 0 for an unconfigured-good,
// non-foreign drive; 52 a drive in an array (or a system drive); 53 a hot spare; 30 a foreign
// drive; 50 any other state (unconfigured bad, shielded, ...) and a drive that a running
// reconstruction adds to its virtual drive.
u32 CheckFreeDrive(const Controller& controller, const Drive& drive);

// 0, or 49 when the drives mix media or interfaces the controller does not mix in one virtual
// drive (information "drive_support").
u32 CheckDriveMix(const Controller& controller, const std::vector<const Drive*>& drives);

}  // namespace sim
