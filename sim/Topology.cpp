#include "Topology.h"

#include <algorithm>

namespace sim {

const Drive* FindDrive(const Controller& controller, u16 deviceId)
{
    // Device ids are unique within a controller, and reports ask for drive after drive in list
    // order: the drive after the one found last is tried first. The library serves one session
    // on the caller's thread (see JsonReader.cpp), so a plain variable does.
    static std::size_t next = 0;
    const std::vector<Drive>& drives = controller.drives;
    if (next < drives.size() && drives[next].deviceId == deviceId)
        return &drives[next++];
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i].deviceId == deviceId) {
            next = i + 1;
            return &drives[i];
        }
    }
    return nullptr;
}

const DriveArray* FindArray(const Controller& controller, u16 ref)
{
    for (const DriveArray& a : controller.config.arrays) {
        if (a.ref == ref)
            return &a;
    }
    return nullptr;
}

const VirtualDrive* FindVirtualDrive(const Controller& controller, u8 targetId)
{
    for (const VirtualDrive& v : controller.config.virtualDrives) {
        if (v.targetId == targetId)
            return &v;
    }
    return nullptr;
}

const Enclosure* FindEnclosure(const Controller& controller, u16 deviceId)
{
    const int index = EnclosureIndex(controller, deviceId);
    return index < 0 ? nullptr : &controller.enclosures[static_cast<std::size_t>(index)];
}

int EnclosureIndex(const Controller& controller, u16 deviceId)
{
    for (std::size_t i = 0; i < controller.enclosures.size(); ++i) {
        if (controller.enclosures[i].deviceId == deviceId)
            return static_cast<int>(i);
    }
    return -1;
}

const Spare* FindSpare(const Controller& controller, u16 deviceId)
{
    for (const Spare& s : controller.config.spares) {
        if (s.deviceId == deviceId)
            return &s;
    }
    return nullptr;
}

unsigned FailuresTolerated(u8 raidLevel)
{
    switch (raidLevel) {
    case 1:
    case 5:
    case 10:
    case 50:
        return 1;
    case 6:
    case 60:
        return 2;
    default:
        return 0;
    }
}

VdState StateOf(const Controller& controller, const VirtualDrive& vd)
{
    const unsigned tolerated = FailuresTolerated(vd.raidLevel);
    unsigned worstSpan = 0;
    for (u16 ref : vd.arrays) {
        const DriveArray* array = FindArray(controller, ref);
        if (array == nullptr)
            return VdState::Offline;
        unsigned lost = 0;
        for (u16 row : array->rows) {
            const Drive* drive = row == kMissingRow ? nullptr : FindDrive(controller, row);
            if (drive == nullptr || drive->state != DriveState::Online)
                ++lost;
        }
        worstSpan = std::max(worstSpan, lost);
    }
    if (worstSpan == 0)
        return VdState::Optimal;
    if (worstSpan > tolerated)
        return VdState::Offline;
    // A double-parity span that lost one drive still has redundancy left.
    return worstSpan < tolerated ? VdState::PartiallyDegraded : VdState::Degraded;
}

DeviceCounts CountDevices(const Controller& controller)
{
    DeviceCounts counts;
    for (const VirtualDrive& vd : controller.config.virtualDrives) {
        ++counts.virtualDrives;
        if (vd.ssdCache)
            ++counts.ssdCacheVds;
        const VdState state = StateOf(controller, vd);
        if (state == VdState::Offline)
            ++counts.offline;
        else if (state != VdState::Optimal)
            ++counts.degraded;
    }
    for (const Drive& d : controller.drives) {
        ++counts.disks;
        if (d.smartAlert)
            ++counts.criticalDisks;
        if (d.state == DriveState::Failed || d.state == DriveState::UnconfiguredBad)
            ++counts.failedDisks;
    }
    counts.physicalDevices = static_cast<u16>(counts.disks + controller.enclosures.size());
    return counts;
}

}  // namespace sim
