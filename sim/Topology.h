// Firmware rules that derive the state of the topology from its parts: a virtual drive's state
// follows its member drives, and the controller's device counts follow drives and virtual drives.
// Lookups of the topology's parts by their ids.
#pragma once
#include "Model.h"

namespace sim {

// Virtual-drive states by their firmware codes.
enum class VdState : u8 { Offline = 0, PartiallyDegraded = 1, Degraded = 2, Optimal = 3 };

const Drive* FindDrive(const Controller& controller, u16 deviceId);
const DriveArray* FindArray(const Controller& controller, u16 ref);
const VirtualDrive* FindVirtualDrive(const Controller& controller, u8 targetId);
const Enclosure* FindEnclosure(const Controller& controller, u16 deviceId);
// The position of the enclosure in the enclosure list, or -1.
int EnclosureIndex(const Controller& controller, u16 deviceId);
// The spare entry of a hot spare, or null.
const Spare* FindSpare(const Controller& controller, u16 deviceId);

// The drive failures one span of the level survives.
unsigned FailuresTolerated(u8 raidLevel);
VdState StateOf(const Controller& controller, const VirtualDrive& vd);

struct DeviceCounts {
    u16 virtualDrives = 0;
    u16 degraded = 0;  // partially degraded or degraded
    u16 offline = 0;
    u16 physicalDevices = 0;  // disks and enclosure devices
    u16 disks = 0;
    u16 criticalDisks = 0;  // disks with a SMART alert
    u16 failedDisks = 0;    // failed or unconfigured bad
    u16 ssdCacheVds = 0;    // SSD-cache virtual drives
};

DeviceCounts CountDevices(const Controller& controller);

}  // namespace sim
