// The reconstruction request (136 bytes to the controller, kDcmdLdReconstruct): the virtual
// drive's reference, the kind of change, the new RAID level, the drives added or removed (or the
// members of an array to expand) and, for an expansion, the percentage of the free room.
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdrecon {
constexpr u32 kSize = 136;
constexpr Field<u32> kOffVdRef{0};            // as in the mailbox
constexpr Field<u8> kOffChange{4};       // values below
constexpr u8 kChangeNone = 0;
constexpr u8 kChangeAdd = 1;
constexpr u8 kChangeRemove = 2;
constexpr Field<u8> kOffRaidLevel{5};
constexpr Field<u8> kOffDriveCount{6};
constexpr Field<u8> kOffPercent{7};      // only with kChangeNone
constexpr u32 kOffDrives = 8;
constexpr u32 kDriveSize = 4;
constexpr Field<u16> kDriveOffDeviceId{0};
constexpr Field<u16> kDriveOffSeqNum{2};
constexpr u32 kMaxDrives = 32;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffVdRef, kOffChange, kOffRaidLevel, kOffDriveCount, kOffPercent));
static_assert(FitsIn(kDriveSize, kDriveOffDeviceId, kDriveOffSeqNum));
}  // namespace vdrecon
