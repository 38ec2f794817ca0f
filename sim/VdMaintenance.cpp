// Requests that maintain a virtual drive without background work: its consistency flag, access
// blocked by an offline SSD cache, protection information, preserved cache, the bad-block table
// and its mirror.
#include <algorithm>

#include "Clock.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"
#include "VdRules.h"

namespace sim {
namespace {

constexpr u8 kAllVirtualDrives = 0xFF;
constexpr u8 kBitmapTargets = 64;  // the preserved-cache bitmap holds target ids 0-63
constexpr u8 kDiscard = 1;

bool HasCapability(const Controller& c, const char* name) { return c.info.capabilities.count(name) != 0; }

// RAID 1 and 10 keep a mirror: the second drive of each pair of rows.
bool HasMirror(const VirtualDrive& vd) { return vd.raidLevel == 1 || vd.raidLevel == 10; }

void Unblock(Controller& c, u64 now, VirtualDrive& vd)
{
    vd.blockedByOfflineCache = false;
    LogVdEvent(c, now, kEvLdBlockRemoved, vd.targetId);
}

// The named virtual drive with a mirror that may be used: 1 without mirror support, 12, 4, 94
// without a mirror.
VirtualDrive* MirroredVd(Controller& c, VdRef ref, u32& status)
{
    if (!HasCapability(c, "vd_break_mirror")) {
        status = kFwNotSupported;
        return nullptr;
    }
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd != nullptr && !HasMirror(*vd)) {
        status = kFwMirrorNotAllowed;
        return nullptr;
    }
    return vd;
}

}  // namespace

u32 SetConsistentFlag(Controller& c, u64 now, u8 targetId, u32 flag)
{
    u32 status = kFwOk;
    VirtualDrive* vd = NamedVd(c, targetId, status);
    if (vd == nullptr)
        return status;
    if (flag > 1)
        return kFwInvalidParameter;
    if (vd->consistent != (flag != 0)) {
        vd->consistent = flag != 0;
        LogVdEvent(c, now, vd->consistent ? kEvLdMarkedConsistent : kEvLdMarkedInconsistent, targetId);
    }
    return kFwOk;
}

// 0xFF removes the block of every blocked virtual drive; a virtual drive named alone must be
// blocked (42).
u32 RemoveBlockedAccess(Controller& c, u64 now, u8 targetId)
{
    if (targetId == kAllVirtualDrives) {
        for (VirtualDrive& vd : c.config.virtualDrives) {
            if (vd.blockedByOfflineCache)
                Unblock(c, now, vd);
        }
        return kFwOk;
    }
    u32 status = kFwOk;
    VirtualDrive* vd = NamedVd(c, targetId, status);
    if (vd == nullptr)
        return status;
    if (!vd->blockedByOfflineCache)
        return kFwVdStateNotAllowed;
    Unblock(c, now, *vd);
    return kFwOk;
}

// 1 when the virtual drive has no protection information to disable.
u32 DisableProtection(Controller& c, u64 now, u8 targetId)
{
    u32 status = kFwOk;
    VirtualDrive* vd = NamedVd(c, targetId, status);
    if (vd == nullptr)
        return status;
    if (vd->piType == 0)
        return kFwFeatureOff;
    vd->piType = 0;
    vd->seq = static_cast<u16>(vd->seq + 1);
    LogVdEvent(c, now, kEvLdPiDisabled, targetId);
    return kFwOk;
}

u64 PreservedCacheBitmap(const Controller& c)
{
    u64 bitmap = 0;
    for (const VirtualDrive& vd : c.config.virtualDrives) {
        if (vd.preservedCache && vd.targetId < kBitmapTargets)
            bitmap |= u64{1} << vd.targetId;
    }
    for (u8 targetId : c.preservedCacheMissingVds) {
        if (targetId < kBitmapTargets)
            bitmap |= u64{1} << targetId;
    }
    return bitmap;
}

// The cache of a present virtual drive or of one that is gone; 92 when the target id holds none.
u32 DiscardPreservedCache(Controller& c, u64 now, u8 targetId, u8 discard)
{
    if (discard != kDiscard)
        return kFwInvalidParameter;
    u32 status = kFwOk;
    if (VirtualDrive* vd = NamedVd(c, targetId, status); vd != nullptr && vd->preservedCache) {
        vd->preservedCache = false;
    } else {
        auto& missing = c.preservedCacheMissingVds;
        const auto it = std::find(missing.begin(), missing.end(), targetId);
        if (it == missing.end())
            return kFwNoPreservedCache;
        missing.erase(it);
    }
    LogVdEvent(c, now, kEvPreservedCacheDiscarded, targetId);
    return kFwOk;
}

bool BadBlockManagementOn(const Controller& c) { return HasCapability(c, "vd_bbm") && c.defaults.enableLdBbm != 0; }

u32 ClearBadBlockTable(Controller& c, u64 now, VdRef ref)
{
    if (!BadBlockManagementOn(c))
        return kFwFeatureOff;
    u32 status = kFwOk;
    VirtualDrive* vd = NamedVd(c, ref.targetId, status, ref.seq);
    if (vd == nullptr)
        return status;
    vd->badBlocks = false;
    vd->badBlocksCorrected = 0;
    vd->badBlocksUncorrected = 0;
    LogVdEvent(c, now, kEvBbtCleared, vd->targetId);
    return kFwOk;
}

// Joining copies the data of one half over the other (0: from the virtual drive to the mirror
// drives, 1: from the mirror drives); both halves then hold the same data.
u32 JoinMirror(Controller& c, u64 now, VdRef ref, u8 dataSource)
{
    u32 status = kFwOk;
    VirtualDrive* vd = MirroredVd(c, ref, status);
    if (vd == nullptr)
        return status;
    if (dataSource > 1)
        return kFwInvalidParameter;
    if (c.defaults.disableJoinMirror != 0)
        return kFwMirrorNotAllowed;
    if (IsVdBusy(c, vd->targetId))
        return kFwVdBusy;
    if (StateOf(c, *vd) != VdState::Optimal)
        return kFwVdStateNotAllowed;
    vd->consistent = true;
    AppendEvent(c, ClockAt(now), kEvMirrorJoined, EventArgs::Ld(EventLd{vd->targetId}),
                dataSource == 0 ? "Mirror joined: data copied to the mirror drives"
                                : "Mirror joined: data copied from the mirror drives");
    return kFwOk;
}

// The mirror as a configuration of its own: per span an array of the mirror drives (same
// reference and blocks), and the mirror as a RAID 0 (00 for several spans) of the same size.
u32 MirrorConfiguration(Controller& c, VdRef ref, Configuration& mirror)
{
    u32 status = kFwOk;
    const VirtualDrive* vd = MirroredVd(c, ref, status);
    if (vd == nullptr)
        return status;
    mirror = Configuration{};
    for (u16 arrayRef : vd->arrays) {
        const DriveArray* array = FindArray(c, arrayRef);
        if (array == nullptr)
            continue;
        DriveArray half;
        half.ref = array->ref;
        half.blocks = array->blocks;
        for (std::size_t row = 1; row < array->rows.size(); row += 2)
            half.rows.push_back(array->rows[row]);
        mirror.arrays.push_back(half);
    }
    VirtualDrive copy = *vd;
    copy.raidLevel = 0;
    copy.arrays.clear();
    for (const DriveArray& half : mirror.arrays)
        copy.arrays.push_back(half.ref);
    mirror.virtualDrives.push_back(copy);
    return kFwOk;
}

}  // namespace sim
