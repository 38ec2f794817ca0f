#include "DriveMove.h"

#include <algorithm>
#include <map>
#include <set>

#include "Clock.h"
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "Foreign.h"
#include "Operations.h"
#include "StateFormat.h"
#include "Topology.h"

namespace sim {
namespace {

bool Carries(const Configuration& config, u16 arrayRef)
{
    return std::any_of(config.arrays.begin(), config.arrays.end(), [&](const DriveArray& a) { return a.ref == arrayRef; });
}

// The part of the source configuration that the moved drives carry, under their new device ids.
ForeignConfig CarriedConfig(const Controller& source, const std::map<u16, u16>& newIds)
{
    ForeignConfig carried;
    Configuration& config = carried.config;
    for (const DriveArray& array : source.config.arrays) {
        DriveArray copy = array;
        bool moved = false;
        for (u16& row : copy.rows) {
            const auto it = newIds.find(row);
            moved = moved || it != newIds.end();
            row = it != newIds.end() ? it->second : kMissingRow;
        }
        if (moved)
            config.arrays.push_back(copy);
    }
    std::set<u16> spanned;
    for (const VirtualDrive& vd : source.config.virtualDrives) {
        if (std::none_of(vd.arrays.begin(), vd.arrays.end(), [&](u16 ref) { return Carries(config, ref); }))
            continue;
        config.virtualDrives.push_back(vd);
        spanned.insert(vd.arrays.begin(), vd.arrays.end());
    }
    for (const Spare& spare : source.config.spares) {
        const auto it = newIds.find(spare.deviceId);
        if (it == newIds.end())
            continue;
        Spare copy = spare;
        copy.deviceId = it->second;
        std::erase_if(copy.arrays, [&](u16 ref) { return spanned.count(ref) == 0; });
        config.spares.push_back(copy);
    }
    return carried;
}

// The drive leaves the source: work on it stops, its row goes missing, its spare entry goes.
void Pull(Controller& source, u64 now, u16 deviceId)
{
    const auto onDrive = [&](const Operation& op) {
        return IsDriveOperation(op.kind) &&
               (op.deviceId == deviceId || (op.kind == OperationKind::Copyback && op.sourceId == deviceId));
    };
    for (auto it = std::find_if(source.operations.begin(), source.operations.end(), onDrive);
         it != source.operations.end(); it = std::find_if(source.operations.begin(), source.operations.end(), onDrive)) {
        if (it->kind == OperationKind::Copyback && it->sourceId == deviceId)
            AbortCopyback(source, now, &*it);
        else
            RemoveWork(source, &*it);
    }
    const Drive* drive = FindDrive(source, deviceId);
    LogDriveEvent(source, now, kEvPdRemoved, *drive);
    if (const auto place = RowOf(source, deviceId)) {
        place->array->rows[place->row] = kMissingRow;
        StopHopelessRebuilds(source, now, *place->array);
    }
    std::erase_if(source.config.spares, [&](const Spare& s) { return s.deviceId == deviceId; });
    std::erase_if(source.drives, [&](const Drive& d) { return d.deviceId == deviceId; });
}

bool IdInUse(const Controller& controller, u16 id)
{
    return FindDrive(controller, id) != nullptr || FindEnclosure(controller, id) != nullptr;
}

}  // namespace

std::string MoveDrives(SimModel& model, std::size_t from, std::size_t to, const std::vector<DriveMove>& moves)
{
    if (from == to || from >= model.controllers.size() || to >= model.controllers.size())
        return "the drives move between two controllers of the state";
    Controller source = model.controllers[from];
    Controller target = model.controllers[to];
    const u64 now = model.clock.now;

    std::set<u16> carriedForeign;
    for (const ForeignSet& set : ForeignSets(source)) {
        if (set.entry) {
            for (u16 id : DrivesOf(source, set))
                carriedForeign.insert(id);
        }
    }
    std::map<u16, u16> newIds;
    std::set<std::pair<u16, u8>> slotsTaken;
    for (const DriveMove& move : moves) {
        const std::string name = "drive " + std::to_string(move.deviceId);
        if (FindDrive(source, move.deviceId) == nullptr || newIds.count(move.deviceId) != 0)
            return name + " is not on the controller (or named twice)";
        if (carriedForeign.count(move.deviceId) != 0)
            return name + " carries a foreign configuration there";
        const Enclosure* enclosure = FindEnclosure(target, move.enclosure);
        if (move.enclosure != kNoEnclosure && (enclosure == nullptr || move.slot >= enclosure->slots))
            return name + ": no such enclosure slot on the other controller";
        const bool occupied = std::any_of(target.drives.begin(), target.drives.end(), [&](const Drive& d) {
            return d.enclosure == move.enclosure && d.slot == move.slot;
        });
        if (occupied || !slotsTaken.insert({move.enclosure, move.slot}).second)
            return name + ": the slot is taken";
        u16 id = move.deviceId;
        const auto taken = [&](u16 candidate) {
            return IdInUse(target, candidate) ||
                   std::any_of(newIds.begin(), newIds.end(), [&](const auto& m) { return m.second == candidate; });
        };
        for (id = taken(id) ? 0 : id; taken(id); ++id) {
        }
        newIds[move.deviceId] = id;
    }

    const ForeignConfig carried = CarriedConfig(source, newIds);
    const std::vector<u16> carrierIds = NamedDrives(carried.config);
    const std::set<u16> carriers(carrierIds.begin(), carrierIds.end());
    const bool carries = !carriers.empty();
    const VdStateWatch watch(source);
    for (const DriveMove& move : moves) {
        Drive drive = *FindDrive(source, move.deviceId);
        Pull(source, now, move.deviceId);
        const bool failed = drive.state == DriveState::Failed || drive.state == DriveState::UnconfiguredBad;
        drive.deviceId = newIds[move.deviceId];
        drive.enclosure = move.enclosure;
        drive.slot = move.slot;
        drive.state = failed ? DriveState::UnconfiguredBad : DriveState::UnconfiguredGood;
        drive.seq = static_cast<u16>(drive.seq + 1);
        drive.formerSpare.reset();
        drive.foreign = drive.foreign || carriers.count(drive.deviceId) != 0;
        target.drives.push_back(drive);
        LogDriveEvent(target, now, kEvPdInserted, target.drives.back());
    }
    watch.Report(source, now);
    if (carries) {
        target.foreign.push_back(carried);
        AppendEvent(target, ClockAt(now), kEvForeignDetected, EventArgs::None());
    }
    try {
        CheckTopology(source, "source");
        CheckTopology(target, "target");
    } catch (const StateError& fault) {
        return fault.what();
    }
    model.controllers[from] = std::move(source);
    model.controllers[to] = std::move(target);
    return "";
}

}  // namespace sim
