#include "ConfigWrite.h"

#include <algorithm>
#include <set>

#include "ArraySpace.h"
#include "Clock.h"
#include "ConfigRules.h"
#include "DriveSecurity.h"
#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "HotSpares.h"
#include "Sizes.h"
#include "StateFormat.h"
#include "Topology.h"

namespace sim {
namespace {

constexpr u8 kPiControllerChooses = 8;  // the controller's own protection type (type 1)
constexpr u8 kMaxPiType = 3;
constexpr u8 kMaxEncryption = 2;
constexpr u64 kMaxDataDrives = 8 * 32;  // spans x rows a record holds

u64 CeilDiv(u64 a, u64 b) { return a / b + (a % b != 0 ? 1 : 0); }

// Works on a copy of the controller, which replaces the original only when the whole image
// was taken.
class Writer {
public:
    Writer(const Controller& controller, u64 now) : work_(controller), now_(now) {}

    u32 Run(const ConfigImage& image);
    Controller& Result() { return work_; }
    const std::vector<u8>& NewTargets() const { return newTargets_; }

private:
    u32 TakeArray(const ImageArray& in, std::set<u16>& drivesSeen);
    u32 TakeVirtualDrive(const ImageVd& in);
    u32 CheckMembers(const std::vector<const DriveArray*>& arrays, u8 level, const ImageVd& in) const;
    u32 CheckLimits(const std::vector<const DriveArray*>& arrays) const;
    u32 Place(const std::vector<const DriveArray*>& arrays, u8 level, const ImageVd& in, VirtualDrive& vd) const;
    bool IsNew(u16 ref) const { return newArrays_.count(ref) != 0; }
    void BringOnline();

    Controller work_;
    u64 now_;
    std::set<u16> newArrays_;
    std::vector<u8> newTargets_;
};

u32 Writer::Run(const ConfigImage& image)
{
    std::set<u16> drivesSeen;
    for (const ImageArray& in : image.arrays) {
        if (const u32 status = TakeArray(in, drivesSeen))
            return status;
    }
    for (const ImageVd& in : image.virtualDrives) {
        if (const u32 status = TakeVirtualDrive(in))
            return status;
    }
    // A new array serves a new virtual drive.
    for (u16 ref : newArrays_) {
        if (VdsOnArray(work_, ref) == 0)
            return kFwInvalidParameter;
    }
    BringOnline();
    for (u8 targetId : newTargets_)
        AppendEvent(work_, ClockAt(now_), kEvLdCreated, EventArgs::Ld(EventLd{targetId}));
    for (const ImageSpare& spare : image.spares) {
        if (const u32 status = MakeHotSpare(work_, now_, spare))
            return status;
    }
    return kFwOk;
}

// An array record is a new array, made of free drives, under a reference no array has.
u32 Writer::TakeArray(const ImageArray& in, std::set<u16>& drivesSeen)
{
    if (in.ref == kMissingRow || in.rows.empty() || FindArray(work_, in.ref) != nullptr)
        return kFwInvalidParameter;
    DriveArray array;
    array.ref = in.ref;
    u64 smallest = 0;
    for (const ImageRow& row : in.rows) {
        if (row.deviceId == kMissingRow || !drivesSeen.insert(row.deviceId).second)
            return kFwInvalidParameter;
        u32 status = kFwOk;
        const Drive* drive = NamedDrive(work_, {row.deviceId, row.seq}, status);
        if (drive == nullptr)
            return status;
        if ((status = CheckFreeDrive(work_, *drive)) != kFwOk)
            return status;
        if (drive->spunDown && work_.info.capabilities.count("spin_up_before_config") != 0)
            return kFwWrongState;
        const u64 usable = UsableBlocks(work_, *drive);
        smallest = array.rows.empty() ? usable : std::min(smallest, usable);
        array.rows.push_back(row.deviceId);
    }
    if (smallest == 0 || in.blocks > smallest)
        return kFwDriveTooSmall;
    array.blocks = smallest;
    work_.config.arrays.push_back(array);
    newArrays_.insert(array.ref);
    return kFwOk;
}

u32 Writer::TakeVirtualDrive(const ImageVd& in)
{
    const bool piValid = in.piType <= kMaxPiType || in.piType == kPiControllerChooses;
    if (!in.propertiesValid || in.encryption > kMaxEncryption || !piValid || in.secondaryLevel != 0 ||
        in.spans.empty())
        return kFwInvalidParameter;
    u32 status = CheckSpanCount(work_, in.spans.size());
    if (status != kFwOk)
        return status;
    const std::optional<u8> level = LevelOf(in.primaryLevel, in.spans.size());
    if (!level)
        return kFwInvalidRaidLevel;
    if ((status = CheckLevelSupported(work_, *level, in.spans.size())) != kFwOk)
        return status;

    std::vector<const DriveArray*> arrays;
    for (const ImageSpan& span : in.spans) {
        const DriveArray* array = FindArray(work_, span.arrayRef);
        if (array == nullptr || std::find(arrays.begin(), arrays.end(), array) != arrays.end())
            return kFwInvalidParameter;
        arrays.push_back(array);
    }
    const std::size_t rows = arrays.front()->rows.size();
    for (const DriveArray* array : arrays) {
        if (array->rows.size() != rows)
            return kFwInvalidParameter;
    }
    if (in.drivesPerSpan != rows)
        return kFwInvalidParameter;
    if ((status = CheckDriveCount(work_, *level, rows)) != kFwOk || (status = CheckStrip(work_, in.stripExponent)) != kFwOk ||
        (status = CheckMembers(arrays, *level, in)) != kFwOk || (status = CheckLimits(arrays)) != kFwOk)
        return status;

    VirtualDrive vd = in.properties;
    if ((status = Place(arrays, *level, in, vd)) != kFwOk)
        return status;
    vd.targetId = FreeTargetId(work_).value_or(0);  // CheckLimits left a free target id
    vd.seq = NextVdSequence(work_);
    vd.raidLevel = *level;
    for (const DriveArray* array : arrays)
        vd.arrays.push_back(array->ref);
    vd.stripCode = in.stripExponent;
    vd.encryption = in.encryption;
    if ((status = CheckVdEncryption(work_, vd)) != kFwOk)
        return status;
    SecureMembers(work_, vd);
    vd.piType = in.piType == kPiControllerChooses ? 1 : in.piType;
    vd.ssdCache = in.ssdCache;
    work_.config.virtualDrives.push_back(vd);
    newTargets_.push_back(vd.targetId);
    return kFwOk;
}

// The drives under the virtual drive: the rows of an array the controller already has must be
// online; all of them must be drives the controller mixes in one virtual drive, SSDs for an
// SSD cache, and capable of protection information when the virtual drive asks for it.
u32 Writer::CheckMembers(const std::vector<const DriveArray*>& arrays, u8 level, const ImageVd& in) const
{
    std::vector<const Drive*> members;
    for (const DriveArray* array : arrays) {
        for (u16 row : array->rows) {
            const Drive* drive = row == kMissingRow ? nullptr : FindDrive(work_, row);
            if (!IsNew(array->ref)) {
                if (drive != nullptr && drive->state == DriveState::Rebuild)
                    return kFwDriveRebuilding;
                if (drive == nullptr || drive->state != DriveState::Online)
                    return kFwWrongState;
            }
            members.push_back(drive);
        }
        if (IsNew(array->ref) || work_.info.capabilities.count("mixed_redundancy_on_array") != 0)
            continue;
        for (const VirtualDrive& other : work_.config.virtualDrives) {
            const bool shares = std::find(other.arrays.begin(), other.arrays.end(), array->ref) != other.arrays.end();
            if (shares && other.raidLevel != level)
                return kFwInvalidRaidLevel;
        }
    }
    if (const u32 status = CheckDriveMix(work_, members))
        return status;
    const bool allSsd = std::all_of(members.begin(), members.end(), [](const Drive* d) { return d->media == DriveMedia::Ssd; });
    if (in.ssdCache && !allSsd)
        return kFwDriveMix;
    const bool allPi = std::all_of(members.begin(), members.end(), [](const Drive* d) { return d->piCapable; });
    if (in.piType != 0 && (work_.info.capabilities.count("pi") == 0 || !allPi))
        return kFwInvalidParameter;
    return kFwOk;
}

u32 Writer::CheckLimits(const std::vector<const DriveArray*>& arrays) const
{
    if (work_.config.virtualDrives.size() >= MaxVirtualDrives(work_))
        return kFwNoSpace;
    for (const DriveArray* array : arrays) {
        if (VdsOnArray(work_, array->ref) >= MaxVdsPerArray(work_))
            return kFwNoSpace;
    }
    return kFwOk;
}

// Where the virtual drive goes: every span starts at the same block and takes the same blocks
// on each member. A size of 0 takes the span's blocks (all of them: the rest of the free extent
// it starts in); span blocks of 0 follow the size. The start kAnyStart is the first free extent
// large enough on every span's array.
u32 Writer::Place(const std::vector<const DriveArray*>& arrays, u8 level, const ImageVd& in, VirtualDrive& vd) const
{
    u64 dataDrives = 0;
    for (const DriveArray* array : arrays)
        dataDrives += DataDrives(level, array->rows.size());
    u64 start = in.spans.front().startBlock;
    u64 perDrive = in.spans.front().blocks;
    for (const ImageSpan& span : in.spans) {
        if (span.startBlock != start || span.blocks != perDrive)
            return kFwInvalidParameter;
    }
    if (perDrive > kMaxBlocks)
        return kFwNoSpace;

    u64 size = in.blocks;
    if (size > kMaxBlocks * kMaxDataDrives)
        return kFwInvalidSize;
    const std::vector<Extent> free = FreeExtents(work_, *arrays.front());
    if (size == 0 && perDrive == 0) {
        const auto holds = [&](const Extent& e) { return start == kAnyStart || (start >= e.start && start < e.End()); };
        const auto it = std::find_if(free.begin(), free.end(), holds);
        if (it == free.end())
            return kFwNoSpace;
        start = start == kAnyStart ? it->start : start;
        perDrive = it->End() - start;
    }
    if (perDrive == 0)
        perDrive = CeilDiv(size, dataDrives);
    if (size == 0)
        size = perDrive * dataDrives;
    if (size > perDrive * dataDrives)
        return kFwInvalidSize;

    const u64 taken = CeilDiv(size, dataDrives);
    const auto fitsEverywhere = [&](u64 at) {
        return std::all_of(arrays.begin(), arrays.end(), [&](const DriveArray* a) { return IsFree(work_, *a, at, taken); });
    };
    if (start == kAnyStart) {
        const auto it = std::find_if(free.begin(), free.end(), [&](const Extent& e) { return fitsEverywhere(e.start); });
        if (it == free.end())
            return kFwNoSpace;
        start = it->start;
    }
    if (!fitsEverywhere(start))
        return kFwNoSpace;
    vd.startBlock = start;
    vd.blocks = size;
    return kFwOk;
}

// The drives of the new arrays go online; one that is spun down spins up first.
void Writer::BringOnline()
{
    for (const DriveArray& array : work_.config.arrays) {
        if (!IsNew(array.ref))
            continue;
        for (u16 row : array.rows) {
            if (Drive* drive = MutableDrive(work_, row)) {
                drive->spunDown = false;
                ChangeState(work_, now_, *drive, DriveState::Online);
            }
        }
    }
}

}  // namespace

u32 ApplyConfigWrite(Controller& controller, u64 now, const ConfigImage& image, std::vector<u8>& newTargets)
{
    Writer writer(controller, now);
    const u32 status = writer.Run(image);
    if (status == kFwOk) {
        controller = std::move(writer.Result());
        newTargets = writer.NewTargets();
    }
    return status;
}

}  // namespace sim
