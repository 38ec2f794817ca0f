#include "Foreign.h"

#include <algorithm>
#include <map>
#include <set>

#include "Clock.h"
#include "ConfigRules.h"
#include "DriveRuleSupport.h"
#include "DriveRules.h"
#include "DriveSecurity.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"
#include "VdEncoders.h"

namespace sim {
namespace {

constexpr u8 kNoTargetId = 0xFF;  // a virtual drive the controller has no target id left for

// How many records of each kind a configuration held before an import added its own.
struct Marks {
    std::size_t arrays = 0;
    std::size_t vds = 0;
    std::size_t spares = 0;
};

Marks MarksOf(const Configuration& config)
{
    return {config.arrays.size(), config.virtualDrives.size(), config.spares.size()};
}

// The image of the records added since `marks`, as they stand in the controller.
Block EncodeAdded(const Controller& controller, u64 now, const Marks& marks)
{
    Controller view = controller;
    Configuration& config = view.config;
    config.arrays.erase(config.arrays.begin(), config.arrays.begin() + static_cast<std::ptrdiff_t>(marks.arrays));
    config.virtualDrives.erase(config.virtualDrives.begin(),
                               config.virtualDrives.begin() + static_cast<std::ptrdiff_t>(marks.vds));
    config.spares.erase(config.spares.begin(), config.spares.begin() + static_cast<std::ptrdiff_t>(marks.spares));
    config.ssdCacheAssociations.clear();
    return EncodeConfiguration(view, now);
}

// A member of an imported array: a drive that carried a failure in its configuration stays failed.
DriveState MemberState(const Drive& drive)
{
    return drive.state == DriveState::UnconfiguredBad ? DriveState::Failed : DriveState::Online;
}

// Locked drives cannot be read; secured drives need a key of the controller to be taken over;
// protection information needs the controller to take it.
u32 CheckImportable(const Controller& controller, const ForeignSet& set)
{
    bool secured = false;
    for (u16 id : DrivesOf(controller, set)) {
        const Drive* drive = FindDrive(controller, id);
        if (drive->security.count(security_flag::kLocked) != 0)
            return kFwDriveLocked;
        secured = secured || drive->security.count(security_flag::kSecured) != 0;
    }
    if (secured && !HasSecurityKey(controller))
        return kFwNoSecurityKey;
    if (!set.entry)
        return kFwOk;
    const bool piTaken = controller.info.capabilities.count("pi") != 0 && controller.properties.preventPiImport == 0;
    for (const VirtualDrive& vd : controller.foreign[*set.entry].config.virtualDrives) {
        if (vd.piType != 0 && !piTaken)
            return kFwPiImportRefused;
    }
    return kFwOk;
}

// Adds the records of the set to the configuration under references and target ids of the
// controller's own: every array it carries, an array of missing rows for each span it lacks,
// its virtual drives, and its spares that are good drives. With `preview` nothing is checked
// and a virtual drive beyond the controller's limit gets no target id (0xFF).
u32 AddRecords(Controller& work, const ForeignSet& set, bool preview)
{
    if (!set.entry)
        return kFwOk;
    const Configuration carried = work.foreign[*set.entry].config;
    std::map<u16, u16> refs;
    for (const DriveArray& array : carried.arrays) {
        DriveArray added = array;
        added.ref = FreeArrayRef(work);
        refs[array.ref] = added.ref;
        work.config.arrays.push_back(added);
    }
    for (const VirtualDrive& vd : carried.virtualDrives) {
        const auto present = std::find_if(carried.arrays.begin(), carried.arrays.end(), [&](const DriveArray& a) {
            return std::find(vd.arrays.begin(), vd.arrays.end(), a.ref) != vd.arrays.end();
        });
        for (u16 ref : vd.arrays) {
            if (refs.count(ref) != 0)
                continue;
            DriveArray missing;
            missing.ref = FreeArrayRef(work);
            missing.rows.assign(present->rows.size(), kMissingRow);
            missing.blocks = present->blocks;
            refs[ref] = missing.ref;
            work.config.arrays.push_back(missing);
        }
    }
    for (const VirtualDrive& vd : carried.virtualDrives) {
        VirtualDrive added = vd;
        for (u16& ref : added.arrays)
            ref = refs[ref];
        const std::optional<u8> targetId = FreeTargetId(work);
        if (!targetId && !preview)
            return kFwNoSpace;
        added.targetId = targetId.value_or(kNoTargetId);
        added.seq = NextVdSequence(work);
        work.config.virtualDrives.push_back(added);
    }
    for (const Spare& spare : carried.spares) {
        if (FindDrive(work, spare.deviceId)->state == DriveState::UnconfiguredBad)
            continue;  // a failed drive protects nothing
        Spare added = spare;
        for (u16& ref : added.arrays)
            ref = refs[ref];
        work.config.spares.push_back(added);
    }
    return kFwOk;
}

// The drives of the set become the controller's own: members and spares take their places
// (each logged), and every drive forgets the foreign configuration and key.
void TakeDrives(Controller& work, u64 now, const ForeignSet& set, const Marks& marks)
{
    for (u16 id : DrivesOf(work, set)) {
        Drive* drive = MutableDrive(work, id);
        drive->foreign = false;
        drive->security.erase(security_flag::kForeignSecured);
    }
    for (std::size_t a = marks.arrays; a < work.config.arrays.size(); ++a) {
        for (u16 row : work.config.arrays[a].rows) {
            if (Drive* drive = row == kMissingRow ? nullptr : MutableDrive(work, row))
                ChangeState(work, now, *drive, MemberState(*drive));
        }
    }
    for (std::size_t s = marks.spares; s < work.config.spares.size(); ++s) {
        Drive* drive = MutableDrive(work, work.config.spares[s].deviceId);
        ChangeState(work, now, *drive, DriveState::HotSpare);
        LogSpareEvent(work, now, kEvHotSpareCreated, *drive, work.config.spares[s]);
    }
    for (std::size_t v = marks.vds; v < work.config.virtualDrives.size(); ++v)
        AppendEvent(work, ClockAt(now), kEvLdImported, EventArgs::Ld(EventLd{work.config.virtualDrives[v].targetId}));
    AppendEvent(work, ClockAt(now), kEvForeignImported, EventArgs::None());
    StartSpareRebuilds(work, now);
}

u32 ImportSet(Controller& work, u64 now, const ForeignSet& set, bool preview)
{
    if (!preview) {
        if (const u32 status = CheckImportable(work, set))
            return status;
    }
    const Marks marks = MarksOf(work.config);
    if (const u32 status = AddRecords(work, set, preview))
        return status;
    TakeDrives(work, now, set, marks);
    return kFwOk;
}

// Imports every set that can be imported, in order, into `work`; a set that cannot stays
// foreign. The positions in Controller::foreign of those imported go to `imported`. 0 when one
// was imported (or there was none), else the first refusal.
u32 ImportAll(Controller& work, u64 now, std::vector<std::size_t>& imported)
{
    u32 firstRefusal = kFwOk;
    bool any = false;
    for (const ForeignSet& set : ForeignSets(work)) {
        Controller trial = work;
        const u32 status = ImportSet(trial, now, set, false);
        if (status != kFwOk) {
            firstRefusal = firstRefusal == kFwOk ? status : firstRefusal;
            continue;
        }
        work = std::move(trial);
        any = true;
        if (set.entry)
            imported.push_back(*set.entry);
    }
    return any ? kFwOk : firstRefusal;
}

void ForgetEntries(Controller& controller, std::vector<std::size_t> entries)
{
    std::sort(entries.rbegin(), entries.rend());
    for (std::size_t entry : entries)
        controller.foreign.erase(controller.foreign.begin() + static_cast<std::ptrdiff_t>(entry));
}

bool ImportsAll(const Controller& controller) { return controller.info.capabilities.count("foreign_import_all") != 0; }

}  // namespace

std::vector<ForeignSet> ForeignSets(const Controller& controller)
{
    std::vector<ForeignSet> sets;
    std::set<u16> carried;
    for (std::size_t i = 0; i < controller.foreign.size(); ++i) {
        ForeignSet set;
        set.entry = i;
        for (u16 id : DrivesOf(controller, set))
            carried.insert(id);
        sets.push_back(set);
    }
    std::vector<u16> lone;
    for (const Drive& drive : controller.drives) {
        if (drive.foreign && carried.count(drive.deviceId) == 0)
            lone.push_back(drive.deviceId);
    }
    std::sort(lone.begin(), lone.end());
    for (u16 id : lone) {
        ForeignSet set;
        set.loneDrive = id;
        sets.push_back(set);
    }
    return sets;
}

std::vector<u16> DrivesOf(const Controller& controller, const ForeignSet& set)
{
    return set.entry ? NamedDrives(controller.foreign[*set.entry].config) : std::vector<u16>{set.loneDrive};
}

std::vector<u16> NamedDrives(const Configuration& config)
{
    std::vector<u16> drives;
    for (const DriveArray& array : config.arrays) {
        for (u16 row : array.rows) {
            if (row != kMissingRow)
                drives.push_back(row);
        }
    }
    for (const Spare& spare : config.spares)
        drives.push_back(spare.deviceId);
    return drives;
}

u32 EncodeForeignAsFound(const Controller& controller, u64 now, u8 index, Block& image)
{
    const std::vector<ForeignSet> sets = ForeignSets(controller);
    if (index >= sets.size())
        return kFwNoSuchConfig;
    // The drives in the places their configuration gives them.
    Controller view = controller;
    view.config = Configuration();
    if (const ForeignSet& set = sets[index]; set.entry) {
        view.config = controller.foreign[*set.entry].config;
        for (const DriveArray& array : view.config.arrays) {
            for (u16 row : array.rows) {
                if (Drive* drive = row == kMissingRow ? nullptr : MutableDrive(view, row))
                    drive->state = MemberState(*drive);
            }
        }
        for (const Spare& spare : view.config.spares)
            MutableDrive(view, spare.deviceId)->state = DriveState::HotSpare;
    }
    image = EncodeConfiguration(view, now);
    return kFwOk;
}

u32 EncodeForeignPreview(const Controller& controller, u64 now, u8 index, Block& image)
{
    Controller work = controller;
    const Marks marks = MarksOf(work.config);
    if (index == kAllForeignConfigs) {
        if (!ImportsAll(controller))
            return kFwInvalidParameter;
        std::vector<std::size_t> imported;
        ImportAll(work, now, imported);
    } else {
        const std::vector<ForeignSet> sets = ForeignSets(controller);
        if (index >= sets.size())
            return kFwNoSuchConfig;
        ImportSet(work, now, sets[index], true);
    }
    image = EncodeAdded(work, now, marks);
    return kFwOk;
}

u32 ImportForeign(Controller& controller, u64 now, u8 index)
{
    Controller work = controller;
    std::vector<std::size_t> imported;
    if (index == kAllForeignConfigs) {
        if (!ImportsAll(controller))
            return kFwInvalidParameter;
        if (const u32 status = ImportAll(work, now, imported))
            return status;
    } else {
        const std::vector<ForeignSet> sets = ForeignSets(controller);
        if (index >= sets.size())
            return kFwNoSuchConfig;
        if (const u32 status = ImportSet(work, now, sets[index], false))
            return status;
        if (sets[index].entry)
            imported.push_back(*sets[index].entry);
    }
    ForgetEntries(work, imported);
    controller = std::move(work);
    return kFwOk;
}

u32 ClearForeign(Controller& controller, u64 now, u8 index)
{
    const std::vector<ForeignSet> sets = ForeignSets(controller);
    if (index == kAllForeignConfigs)
        return kFwInvalidParameter;
    if (index >= sets.size())
        return kFwNoSuchConfig;
    for (u16 id : DrivesOf(controller, sets[index]))
        MutableDrive(controller, id)->foreign = false;
    if (sets[index].entry)
        ForgetEntries(controller, {*sets[index].entry});
    AppendEvent(controller, ClockAt(now), kEvForeignCleared, EventArgs::None());
    return kFwOk;
}

u32 UnlockForeign(Controller& controller, u64 now, const std::string& key)
{
    if (controller.info.capabilities.count("security") == 0)
        return kFwEncryptionDisabled;
    bool matched = false;
    for (std::size_t i = 0; i < controller.foreign.size(); ++i) {
        if (controller.foreign[i].lockKey.empty() || controller.foreign[i].lockKey != key)
            continue;
        matched = true;
        ForeignSet set;
        set.entry = i;
        for (u16 id : DrivesOf(controller, set)) {
            Drive* drive = MutableDrive(controller, id);
            if (drive->security.erase(security_flag::kLocked) != 0)
                LogDriveEvent(controller, now, kEvPdUnlocked, *drive);
        }
    }
    return matched ? kFwOk : kFwKeyInvalid;
}

}  // namespace sim
