#include "HotSpares.h"

#include <algorithm>
#include <set>

#include "ConfigRelease.h"
#include "ConfigRules.h"
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

// The arrays a dedicated spare serves must exist, each named once, and the spare must be able
// to take the place of any of their drives.
u32 CheckArrays(const Controller& controller, const Drive& drive, const ImageSpare& request)
{
    if (request.dedicated != !request.arrays.empty())
        return kFwInvalidParameter;
    std::set<u16> seen;
    for (u16 ref : request.arrays) {
        const DriveArray* array = FindArray(controller, ref);
        if (array == nullptr || !seen.insert(ref).second)
            return kFwInvalidParameter;
    }
    for (u16 ref : request.arrays) {
        if (UsableBlocks(controller, drive) < FindArray(controller, ref)->blocks)
            return kFwDriveTooSmall;
    }
    return kFwOk;
}

}  // namespace

u32 MakeHotSpare(Controller& controller, u64 now, const ImageSpare& request)
{
    u32 status = kFwOk;
    Drive* drive = NamedDrive(controller, {request.deviceId, request.seq}, status);
    if (drive == nullptr)
        return status;
    if ((status = CheckFreeDrive(controller, *drive)) != kFwOk || (status = CheckArrays(controller, *drive, request)) != kFwOk)
        return status;

    Spare spare;
    spare.deviceId = drive->deviceId;
    spare.arrays = request.arrays;
    spare.revertible = request.revertible;
    spare.enclosureAffinity = request.enclosureAffinity;
    controller.config.spares.push_back(spare);
    ChangeState(controller, now, *drive, DriveState::HotSpare);
    LogSpareEvent(controller, now, kEvHotSpareCreated, *drive, spare);
    // A new spare takes over a row whose drive has failed.
    StartSpareRebuilds(controller, now);
    return kFwOk;
}

u32 RemoveHotSpare(Controller& controller, u64 now, u16 deviceId, u16 seq)
{
    u32 status = kFwOk;
    const Drive* drive = NamedDrive(controller, {deviceId, seq}, status);
    if (drive == nullptr)
        return status;
    if (drive->state != DriveState::HotSpare || FindSpare(controller, deviceId) == nullptr)
        return kFwWrongState;
    RemoveSpare(controller, now, deviceId);
    return kFwOk;
}

}  // namespace sim
