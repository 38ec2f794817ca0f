// The reconstruction request (136 bytes to the controller, kDcmdLdReconstruct): the virtual
// drive's reference, the kind of change, the new RAID level, the drives added or removed (or the
// members of an array to expand) and, for an expansion, the percentage of the free room.
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdrecon {
constexpr u32 kSize = 136;
constexpr u32 kOffVdRef = 0;             // u32, as in the mailbox
constexpr u32 kOffChange = 4;            // values below
constexpr u8 kChangeNone = 0;
constexpr u8 kChangeAdd = 1;
constexpr u8 kChangeRemove = 2;
constexpr u32 kOffRaidLevel = 5;
constexpr u32 kOffDriveCount = 6;
constexpr u32 kOffPercent = 7;           // only with kChangeNone
constexpr u32 kOffDrives = 8;
constexpr u32 kDriveSize = 4;
constexpr u32 kDriveOffDeviceId = 0;     // u16
constexpr u32 kDriveOffSeqNum = 2;       // u16
constexpr u32 kMaxDrives = 32;
}  // namespace vdrecon
