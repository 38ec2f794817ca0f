// Reconstruction of a virtual drive (0x03070100): a migration to another RAID level, with drives
// added to or removed from its array, or an expansion into the free room after it on its
// arrays. The request is checked at once; the change is made when the work completes.
#include <algorithm>
#include <set>

#include "ConfigRules.h"
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"
#include "Sizes.h"
#include "Topology.h"
#include "VdRules.h"

namespace sim {
namespace {

constexpr u8 kMaxPercent = 100;

DriveArray* MutableArray(Controller& c, u16 ref)
{
    for (DriveArray& array : c.config.arrays) {
        if (array.ref == ref)
            return &array;
    }
    return nullptr;
}

// 36 when a reconstruction runs already, 41 when other work runs, 42 unless optimal.
u32 CheckReady(Controller& c, const VirtualDrive& vd)
{
    if (FindVdWork(c, vd.targetId, OperationKind::Reconstruction) != nullptr)
        return kFwInProgress;
    if (IsVdBusy(c, vd.targetId))
        return kFwVdBusy;
    return StateOf(c, vd) == VdState::Optimal ? kFwOk : kFwVdStateNotAllowed;
}

Operation NewReconstruction(const VirtualDrive& vd, u64 now, u64 seconds)
{
    Operation op = NewOperation(OperationKind::Reconstruction, now, seconds);
    op.targetId = vd.targetId;
    op.raidLevel = vd.raidLevel;
    return op;
}

// An expansion names no drives or the rows of one of the virtual drive's arrays, in order.
u32 CheckExpansionDrives(Controller& c, const VirtualDrive& vd, const ReconstructionRequest& request)
{
    if (request.drives.empty())
        return kFwOk;
    for (u16 ref : vd.arrays) {
        const DriveArray* array = FindArray(c, ref);
        if (array == nullptr || array->rows.size() != request.drives.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < array->rows.size() && same; ++i)
            same = array->rows[i] == request.drives[i].first;
        if (!same)
            continue;
        for (const auto& [deviceId, seq] : request.drives) {
            u32 status = kFwOk;
            if (NamedDrive(c, {deviceId, seq}, status) == nullptr)
                return status;
        }
        return kFwOk;
    }
    return kFwInvalidParameter;
}

u32 StartExpansion(Controller& c, u64 now, VirtualDrive& vd, const ReconstructionRequest& request)
{
    if (c.info.capabilities.count("oce_without_adding_drives") == 0)
        return kFwNotSupported;
    u32 status = kFwOk;
    if ((status = CheckExpansionDrives(c, vd, request)) != kFwOk || (status = CheckReady(c, vd)) != kFwOk)
        return status;
    const u64 grow = ExpansionRoom(c, vd) * request.percent / kMaxPercent;
    if (grow == 0)
        return kFwNoSpace;
    Operation op = NewReconstruction(vd, now, WorkSeconds(grow, c.properties.reconstructionRate));
    op.expandPercent = request.percent;
    c.operations.push_back(op);
    LogVdEvent(c, now, kEvExpansionStarted, vd.targetId);
    return kFwOk;
}

// The drives a reconstruction adds: free, spun up where the controller wants that, as large as
// the array's blocks, of a kind the array's drives mix with.
u32 CheckAddedDrives(Controller& c, const DriveArray& array, const ReconstructionRequest& request)
{
    std::vector<const Drive*> members;
    for (u16 row : array.rows) {
        if (const Drive* d = FindDrive(c, row))
            members.push_back(d);
    }
    for (const auto& [deviceId, seq] : request.drives) {
        u32 status = kFwOk;
        const Drive* drive = NamedDrive(c, {deviceId, seq}, status);
        if (drive == nullptr)
            return status;
        if ((status = CheckFreeDrive(c, *drive)) != kFwOk)
            return status;
        if (IsBusy(c, deviceId) ||
            (drive->spunDown && c.info.capabilities.count("spin_up_before_config") != 0))
            return kFwWrongState;
        if (UsableBlocks(c, *drive) < array.blocks)
            return kFwDriveTooSmall;
        members.push_back(drive);
    }
    return CheckDriveMix(c, members);
}

u32 CheckRemovedDrives(Controller& c, const DriveArray& array, const ReconstructionRequest& request)
{
    for (const auto& [deviceId, seq] : request.drives) {
        u32 status = kFwOk;
        if (NamedDrive(c, {deviceId, seq}, status) == nullptr)
            return status;
        if (std::find(array.rows.begin(), array.rows.end(), deviceId) == array.rows.end())
            return kFwInvalidParameter;
    }
    return kFwOk;
}

// A migration of a single-span virtual drive that is the only one on its array.
u32 StartMigration(Controller& c, u64 now, VirtualDrive& vd, const ReconstructionRequest& request)
{
    if (c.info.capabilities.count("vd_reconstruction") == 0)
        return kFwNotSupported;
    const auto change = static_cast<ReconstructionChange>(request.change);
    const std::optional<u8> asked = LevelOf(request.raidLevel, 1);
    const u8 level = asked.value_or(0);
    std::set<u16> named;
    for (const auto& drive : request.drives) {
        if (!named.insert(drive.first).second)
            return kFwInvalidParameter;
    }
    if ((change == ReconstructionChange::None) != request.drives.empty() ||
        (change == ReconstructionChange::None && asked == vd.raidLevel))
        return kFwInvalidParameter;
    const DriveArray* array = vd.arrays.size() == 1 ? FindArray(c, vd.arrays.front()) : nullptr;
    if (array == nullptr)
        return kFwVdStateNotAllowed;
    for (const VirtualDrive& other : c.config.virtualDrives) {
        if (&other != &vd && std::count(other.arrays.begin(), other.arrays.end(), array->ref) != 0)
            return kFwVdStateNotAllowed;
    }
    if (!asked || CheckLevelSupported(c, level, 1) != kFwOk)
        return kFwInvalidRaidLevel;
    u32 status = CheckReady(c, vd);
    if (status != kFwOk)
        return status;
    if (change == ReconstructionChange::AddDrives)
        status = CheckAddedDrives(c, *array, request);
    else if (change == ReconstructionChange::RemoveDrives)
        status = CheckRemovedDrives(c, *array, request);
    if (status != kFwOk)
        return status;

    std::size_t rows = array->rows.size();
    if (change == ReconstructionChange::AddDrives)
        rows += request.drives.size();
    else if (change == ReconstructionChange::RemoveDrives)
        rows = rows > request.drives.size() ? rows - request.drives.size() : 0;
    if ((status = CheckDriveCount(c, level, rows)) != kFwOk)
        return status;
    // The virtual drive's data must fit what the new layout holds on the blocks it uses.
    const u64 perDrive = BlocksPerDrive(c, vd);
    if (perDrive * DataDrives(level, rows) < vd.blocks)
        return kFwNoSpace;

    Operation op = NewReconstruction(vd, now, WorkSeconds(perDrive, c.properties.reconstructionRate));
    op.raidLevel = level;
    op.change = change;
    for (const auto& drive : request.drives)
        op.drives.push_back(drive.first);
    c.operations.push_back(op);
    LogVdEvent(c, now, kEvReconStarted, vd.targetId);
    return kFwOk;
}

void FinishExpansion(Controller& c, u64 end, VirtualDrive& vd, u8 percent)
{
    const u64 perDrive = BlocksPerDrive(c, vd) + ExpansionRoom(c, vd) * percent / kMaxPercent;
    for (u16 ref : vd.arrays) {
        if (DriveArray* array = MutableArray(c, ref))
            array->blocks = std::max(array->blocks, vd.startBlock + perDrive);
    }
    vd.blocks = perDrive * TotalDataDrives(c, vd);
    vd.seq = static_cast<u16>(vd.seq + 1);
    LogVdEvent(c, end, kEvExpansionComplete, vd.targetId);
}

}  // namespace

// The blocks each member may still give the virtual drive: up to the smallest member's size (the
// array grows with it), and none when another virtual drive follows it on one of its arrays.
u64 ExpansionRoom(const Controller& c, const VirtualDrive& vd)
{
    const u64 end = vd.startBlock + BlocksPerDrive(c, vd);
    u64 room = ~u64{0};
    for (u16 ref : vd.arrays) {
        const DriveArray* array = FindArray(c, ref);
        if (array == nullptr)
            return 0;
        for (const VirtualDrive& other : c.config.virtualDrives) {
            if (&other != &vd && std::count(other.arrays.begin(), other.arrays.end(), ref) != 0 &&
                other.startBlock >= end)
                return 0;
        }
        const u64 limit = std::max(array->blocks, SmallestMemberBlocks(c, *array));
        room = std::min(room, limit > end ? limit - end : 0);
    }
    return room == ~u64{0} ? 0 : room;
}

u32 StartReconstruction(Controller& c, u64 now, VdRef ref, const ReconstructionRequest& request)
{
    u32 status = kFwOk;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    if (request.vdReference != (ref.targetId | (u32{ref.seq} << 16)) || request.change > 2 ||
        request.percent > kMaxPercent || (request.percent != 0 && request.change != 0))
        return kFwInvalidParameter;
    // An expansion keeps the level: the request names the virtual drive's own primary level.
    if (request.percent != 0)
        return LevelOf(request.raidLevel, vd->arrays.size()) == vd->raidLevel ? StartExpansion(c, now, *vd, request)
                                                                            : kFwInvalidParameter;
    return StartMigration(c, now, *vd, request);
}

// The new level and rows take effect: added drives come online in the array, removed drives
// leave it as unconfigured good, and the virtual drive holds what its blocks on each member give
// at the new level. A drive that can no longer be added makes the reconstruction fail unchanged.
void FinishReconstruction(Controller& c, u64 end, const Operation& op)
{
    u32 status = kFwOk;
    VirtualDrive* vd = NamedVd(c, op.targetId, status);
    if (vd == nullptr)
        return;
    if (op.change == ReconstructionChange::None && op.expandPercent != 0) {
        FinishExpansion(c, end, *vd, op.expandPercent);
        return;
    }
    DriveArray* array = vd->arrays.size() == 1 ? MutableArray(c, vd->arrays.front()) : nullptr;
    const bool addable = std::all_of(op.drives.begin(), op.drives.end(), [&](u16 id) {
        const Drive* d = FindDrive(c, id);
        return op.change != ReconstructionChange::AddDrives ||
               (d != nullptr && d->state == DriveState::UnconfiguredGood && !RowOf(c, id));
    });
    if (array == nullptr || !addable) {
        LogVdEvent(c, end, kEvReconFailed, vd->targetId);
        return;
    }
    const u64 perDrive = BlocksPerDrive(c, *vd);
    for (u16 id : op.drives) {
        Drive* drive = MutableDrive(c, id);
        if (op.change == ReconstructionChange::AddDrives) {
            array->rows.push_back(id);
            ChangeState(c, end, *drive, DriveState::Online);
        } else if (op.change == ReconstructionChange::RemoveDrives) {
            const auto row = std::find(array->rows.begin(), array->rows.end(), id);
            if (row == array->rows.end())
                continue;
            array->rows.erase(row);
            if (drive != nullptr)
                ChangeState(c, end, *drive, DriveState::UnconfiguredGood);
        }
    }
    vd->raidLevel = op.raidLevel;
    vd->blocks = perDrive * DataDrives(vd->raidLevel, array->rows.size());
    vd->seq = static_cast<u16>(vd->seq + 1);
    LogVdEvent(c, end, kEvReconComplete, vd->targetId);
}

}  // namespace sim
