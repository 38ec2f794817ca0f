// Cross-references of one controller's topology, checked as firmware keeps its configuration:
// every id is unique, every reference names something that exists, every drive sits in a slot
// of its enclosure, a drive's state agrees with its place in the configuration, and background
// operations run on what exists.
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "Operations.h"
#include "StateFormat.h"
#include "Topology.h"

namespace sim {
namespace {

bool IsMemberState(DriveState s)
{
    return s == DriveState::Online || s == DriveState::Offline || s == DriveState::Failed ||
           s == DriveState::Rebuild || s == DriveState::Copyback;
}

bool IsSpareState(DriveState s) { return s == DriveState::HotSpare || s == DriveState::HotSpareShielded; }

void CheckDevices(const Controller& c, const std::string& path)
{
    std::map<u16, u8> slotsOf;  // enclosure device id -> slots
    for (std::size_t i = 0; i < c.enclosures.size(); ++i) {
        if (!slotsOf.emplace(c.enclosures[i].deviceId, c.enclosures[i].slots).second)
            Fail(path + ".enclosures[" + std::to_string(i) + "].device_id", "device id used twice");
    }
    for (std::size_t i = 0; i < c.enclosures.size(); ++i) {
        const Enclosure& e = c.enclosures[i];
        if (e.partner != kNoEnclosure && (e.partner == e.deviceId || slotsOf.count(e.partner) == 0))
            Fail(path + ".enclosures[" + std::to_string(i) + "].partner",
                 "no other enclosure with device id " + std::to_string(e.partner));
    }
    std::set<u16> ids;
    std::set<std::pair<u16, u8>> slots;
    for (std::size_t i = 0; i < c.drives.size(); ++i) {
        const Drive& d = c.drives[i];
        // The paths are built only for a fault: a large state has thousands of drives.
        const auto at = [&] { return path + ".drives[" + std::to_string(i) + "]"; };
        if (!ids.insert(d.deviceId).second || slotsOf.count(d.deviceId) != 0)
            Fail(at() + ".device_id", "device id used twice");
        if (d.enclosure != kNoEnclosure) {
            const auto enclosure = slotsOf.find(d.enclosure);
            if (enclosure == slotsOf.end())
                Fail(at() + ".enclosure", "no enclosure with device id " + std::to_string(d.enclosure));
            if (d.slot >= enclosure->second)
                Fail(at() + ".slot", "the enclosure has " + std::to_string(enclosure->second) + " slots");
        }
        if (!slots.insert({d.enclosure, d.slot}).second)
            Fail(at() + ".slot", "two drives in one slot");
    }
}

// The SSD cache serves virtual drives that exist and are no SSD caches themselves, each once,
// and only while there is an SSD-cache virtual drive.
void CheckAssociations(const Configuration& config, const std::string& at)
{
    const std::string listAt = at + ".ssd_cache_associations";
    const bool hasCache = std::any_of(config.virtualDrives.begin(), config.virtualDrives.end(),
                                      [](const VirtualDrive& vd) { return vd.ssdCache; });
    if (!config.ssdCacheAssociations.empty() && !hasCache)
        Fail(listAt, "no SSD-cache virtual drive serves the list");
    std::set<u8> seen;
    for (u8 targetId : config.ssdCacheAssociations) {
        const auto vd = std::find_if(config.virtualDrives.begin(), config.virtualDrives.end(),
                                     [&](const VirtualDrive& v) { return v.targetId == targetId; });
        if (vd == config.virtualDrives.end() || vd->ssdCache)
            Fail(listAt, "target id " + std::to_string(targetId) + " is no virtual drive the SSD cache can serve");
        if (!seen.insert(targetId).second)
            Fail(listAt, "target id " + std::to_string(targetId) + " listed twice");
    }
}

void CheckConfig(const Controller& c, const std::string& path)
{
    const std::string at = path + ".config";
    std::set<u16> refs;
    std::set<u16> members;
    for (std::size_t i = 0; i < c.config.arrays.size(); ++i) {
        const DriveArray& a = c.config.arrays[i];
        const auto arrayAt = [&] { return at + ".arrays[" + std::to_string(i) + "]"; };
        if (!refs.insert(a.ref).second)
            Fail(arrayAt() + ".ref", "array reference used twice");
        if (a.rows.empty())
            Fail(arrayAt() + ".drives", "an array needs at least one row");
        for (u16 row : a.rows) {
            if (row == kMissingRow)
                continue;
            const Drive* d = FindDrive(c, row);
            if (d == nullptr)
                Fail(arrayAt() + ".drives", "no drive with device id " + std::to_string(row));
            if (!members.insert(row).second)
                Fail(arrayAt() + ".drives", "drive " + std::to_string(row) + " is in two array rows");
            if (!IsMemberState(d->state))
                Fail(arrayAt() + ".drives", "drive " + std::to_string(row) + " is in an array but not in a member state");
        }
    }
    std::set<u8> targets;
    for (std::size_t i = 0; i < c.config.virtualDrives.size(); ++i) {
        const VirtualDrive& v = c.config.virtualDrives[i];
        const auto vdAt = [&] { return at + ".virtual_drives[" + std::to_string(i) + "]"; };
        if (!targets.insert(v.targetId).second)
            Fail(vdAt() + ".target_id", "target id used twice");
        if (v.arrays.empty())
            Fail(vdAt() + ".arrays", "a virtual drive needs at least one array");
        for (u16 ref : v.arrays) {
            if (refs.count(ref) == 0)
                Fail(vdAt() + ".arrays", "no array with reference " + std::to_string(ref));
        }
    }
    std::set<u16> spares;
    for (std::size_t i = 0; i < c.config.spares.size(); ++i) {
        const Spare& s = c.config.spares[i];
        const auto spareAt = [&] { return at + ".spares[" + std::to_string(i) + "]"; };
        const Drive* d = FindDrive(c, s.deviceId);
        if (d == nullptr)
            Fail(spareAt() + ".device_id", "no drive with device id " + std::to_string(s.deviceId));
        if (!IsSpareState(d->state) || !spares.insert(s.deviceId).second)
            Fail(spareAt() + ".device_id", "a spare's drive must be in state hot_spare (or hot_spare_shielded) and listed once");
        for (u16 ref : s.arrays) {
            if (refs.count(ref) == 0)
                Fail(spareAt() + ".arrays", "no array with reference " + std::to_string(ref));
        }
    }
    CheckAssociations(c.config, at);
    for (std::size_t i = 0; i < c.drives.size(); ++i) {
        const Drive& d = c.drives[i];
        const auto driveAt = [&] { return path + ".drives[" + std::to_string(i) + "].state"; };
        if (IsSpareState(d.state) && spares.count(d.deviceId) == 0)
            Fail(driveAt(), "a hot spare must be listed in config.spares");
        if ((d.state == DriveState::Online || d.state == DriveState::Rebuild) && members.count(d.deviceId) == 0)
            Fail(driveAt(), "an online or rebuilding drive must be in an array row");
    }
}

// A foreign configuration names drives here that are foreign and not configured, each in one
// foreign configuration only; every virtual drive has a span whose array is here.
void CheckForeign(const Controller& c, const std::string& path)
{
    std::set<u16> carried;
    const auto checkDrive = [&](u16 id, const std::string& at) {
        const Drive* d = FindDrive(c, id);
        if (d == nullptr)
            Fail(at, "no drive with device id " + std::to_string(id));
        if (!d->foreign || (d->state != DriveState::UnconfiguredGood && d->state != DriveState::UnconfiguredBad))
            Fail(at, "drive " + std::to_string(id) + " must be foreign and unconfigured good or bad");
        if (!carried.insert(id).second)
            Fail(at, "drive " + std::to_string(id) + " is named twice");
    };
    for (std::size_t i = 0; i < c.foreign.size(); ++i) {
        const Configuration& config = c.foreign[i].config;
        const std::string at = path + ".foreign[" + std::to_string(i) + "]";
        if (!config.ssdCacheAssociations.empty())
            Fail(at + ".ssd_cache_associations", "a foreign configuration carries no SSD-cache list");
        std::set<u16> refs;
        for (std::size_t a = 0; a < config.arrays.size(); ++a) {
            const DriveArray& array = config.arrays[a];
            const std::string arrayAt = at + ".arrays[" + std::to_string(a) + "]";
            if (!refs.insert(array.ref).second)
                Fail(arrayAt + ".ref", "array reference used twice");
            if (std::all_of(array.rows.begin(), array.rows.end(), [](u16 row) { return row == kMissingRow; }))
                Fail(arrayAt + ".drives", "an array needs at least one of its drives here");
            for (u16 row : array.rows) {
                if (row != kMissingRow)
                    checkDrive(row, arrayAt + ".drives");
            }
        }
        std::set<u16> spanned = refs;
        std::set<u8> targets;
        for (std::size_t v = 0; v < config.virtualDrives.size(); ++v) {
            const VirtualDrive& vd = config.virtualDrives[v];
            const std::string vdAt = at + ".virtual_drives[" + std::to_string(v) + "]";
            if (!targets.insert(vd.targetId).second)
                Fail(vdAt + ".target_id", "target id used twice");
            std::set<u16> spans(vd.arrays.begin(), vd.arrays.end());
            if (spans.size() != vd.arrays.size())
                Fail(vdAt + ".arrays", "an array is named twice");
            if (std::none_of(vd.arrays.begin(), vd.arrays.end(), [&](u16 ref) { return refs.count(ref) != 0; }))
                Fail(vdAt + ".arrays", "a virtual drive needs an array here");
            spanned.insert(spans.begin(), spans.end());
        }
        for (std::size_t s = 0; s < config.spares.size(); ++s) {
            const Spare& spare = config.spares[s];
            const std::string spareAt = at + ".spares[" + std::to_string(s) + "]";
            checkDrive(spare.deviceId, spareAt + ".device_id");
            for (u16 ref : spare.arrays) {
                if (spanned.count(ref) == 0)
                    Fail(spareAt + ".arrays", "no array with reference " + std::to_string(ref));
            }
        }
    }
}

// Every operation runs on a drive or virtual drive that exists, at most one of a kind on each.
void CheckOperations(const Controller& c, const std::string& path)
{
    std::set<std::tuple<u8, u16, u8>> running;
    for (std::size_t i = 0; i < c.operations.size(); ++i) {
        const Operation& op = c.operations[i];
        const std::string at = path + ".operations[" + std::to_string(i) + "]";
        if (IsDriveOperation(op.kind) && FindDrive(c, op.deviceId) == nullptr)
            Fail(at + ".device_id", "no drive with device id " + std::to_string(op.deviceId));
        if (op.kind == OperationKind::Copyback && (FindDrive(c, op.sourceId) == nullptr || op.sourceId == op.deviceId))
            Fail(at + ".source_id", "a copyback's source must be another drive");
        if (!IsDriveOperation(op.kind) && FindVirtualDrive(c, op.targetId) == nullptr)
            Fail(at + ".target_id", "no virtual drive with target id " + std::to_string(op.targetId));
        if (!running.insert({static_cast<u8>(op.kind), op.deviceId, op.targetId}).second)
            Fail(at, "an operation of this kind already runs there");
        for (u16 id : op.drives) {
            if (FindDrive(c, id) == nullptr)
                Fail(at + ".drives", "no drive with device id " + std::to_string(id));
        }
    }
}

// Preserved cache of a missing virtual drive: once per target id, and not of a present one.
void CheckPreservedCache(const Controller& c, const std::string& path)
{
    std::set<u8> seen;
    for (u8 targetId : c.preservedCacheMissingVds) {
        const std::string at = path + ".preserved_cache_missing_vds";
        if (!seen.insert(targetId).second)
            Fail(at, "target id " + std::to_string(targetId) + " listed twice");
        if (FindVirtualDrive(c, targetId) != nullptr)
            Fail(at, "virtual drive " + std::to_string(targetId) + " is present: its cache is marked on the drive");
    }
}

}  // namespace

void CheckTopology(const Controller& controller, const std::string& path)
{
    CheckDevices(controller, path);
    CheckConfig(controller, path);
    CheckForeign(controller, path);
    CheckOperations(controller, path);
    CheckPreservedCache(controller, path);
}

}  // namespace sim
