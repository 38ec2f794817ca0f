#include "ConfigRules.h"

#include <algorithm>

#include "FieldTable.h"
#include "FwStatus.h"
#include "Topology.h"
#include "VdRules.h"

namespace sim {
namespace {

constexpr std::size_t kRecordSpans = 8;  // spans a virtual-drive record holds
constexpr std::size_t kRecordRows = 32;  // rows an array record holds
constexpr std::size_t kListVirtualDrives = 64;  // virtual drives the list block holds

const char* LevelName(u8 level, std::size_t spans)
{
    switch (level) {
    case 0:
        return spans > 1 ? "00" : "0";
    case 1:
        return "1";
    case 5:
        return "5";
    case 6:
        return "6";
    case 10:
        return "10";
    case 50:
        return "50";
    case 60:
        return "60";
    default:
        return "";
    }
}

// The level an array of a spanned level is made of.
u8 SpanLevel(u8 level)
{
    switch (level) {
    case 10:
        return 1;
    case 50:
        return 5;
    case 60:
        return 6;
    default:
        return level;
    }
}

}  // namespace

std::optional<u8> LevelOf(u8 primaryLevel, std::size_t spans)
{
    const bool spanned = spans > 1;
    switch (primaryLevel) {
    case 0:
        return u8{0};
    case 1:
    case 17:
        return u8{spanned ? u8{10} : u8{1}};
    case 5:
        return u8{spanned ? u8{50} : u8{5}};
    case 6:
        return u8{spanned ? u8{60} : u8{6}};
    default:
        return std::nullopt;
    }
}

u32 CheckLevelSupported(const Controller& controller, u8 level, std::size_t spans)
{
    return controller.info.raidLevels.count(LevelName(level, spans)) != 0 ? kFwOk : kFwInvalidRaidLevel;
}

DriveCountRange DrivesPerArray(const Controller& controller, u8 level)
{
    DriveCountRange range;
    switch (SpanLevel(level)) {
    case 1:
        range.min = 2;
        range.even = true;
        break;
    case 5:
        range.min = 3;
        break;
    case 6:
        range.min = 3;
        break;
    default:
        range.min = 1;
        break;
    }
    const u64 arms = controller.info.limits.maxArmsPerVd;
    range.max = static_cast<unsigned>(arms == 0 ? kRecordRows : std::min<u64>(arms, kRecordRows));
    return range;
}

u32 CheckDriveCount(const Controller& controller, u8 level, std::size_t drives)
{
    const DriveCountRange range = DrivesPerArray(controller, level);
    if (drives < range.min || (range.even && drives % 2 != 0))
        return kFwNotEnoughDrives;
    return drives > range.max ? kFwDriveCountLimit : kFwOk;
}

u32 CheckSpanCount(const Controller& controller, std::size_t spans)
{
    const u64 limit = controller.info.limits.maxSpansPerVd;
    const std::size_t most = limit == 0 ? kRecordSpans : static_cast<std::size_t>(std::min<u64>(limit, kRecordSpans));
    return spans > most ? kFwSpanLimit : kFwOk;
}

u32 CheckStrip(const Controller& controller, u8 exponent)
{
    const ControllerLimits& limits = controller.info.limits;
    const u64 most = limits.maxStripCode == 0 ? kMaxStripCode : limits.maxStripCode;
    return exponent < limits.minStripCode || exponent > most ? kFwInvalidStrip : kFwOk;
}

std::size_t MaxVirtualDrives(const Controller& controller)
{
    const u64 limit = controller.info.limits.maxVds;
    return limit == 0 ? kListVirtualDrives : static_cast<std::size_t>(std::min<u64>(limit, kListVirtualDrives));
}

std::size_t MaxVdsPerArray(const Controller& controller)
{
    const std::size_t byDefaults = controller.defaults.maxVdsPerArray == 1 ? 64 : 16;
    const u64 reported = controller.info.limits.maxVdsPerArray;
    return reported == 0 ? byDefaults : static_cast<std::size_t>(std::min<u64>(reported, byDefaults));
}

std::optional<u8> FreeTargetId(const Controller& controller)
{
    if (controller.config.virtualDrives.size() >= MaxVirtualDrives(controller))
        return std::nullopt;
    for (std::size_t id = 0; id < kListVirtualDrives; ++id) {
        if (FindVirtualDrive(controller, static_cast<u8>(id)) == nullptr)
            return static_cast<u8>(id);
    }
    return std::nullopt;
}

u16 NextVdSequence(const Controller& controller)
{
    u16 highest = 0;
    for (const VirtualDrive& vd : controller.config.virtualDrives)
        highest = std::max(highest, vd.seq);
    return static_cast<u16>(highest + 1);
}

u16 FreeArrayRef(const Controller& controller)
{
    u16 ref = 0;
    while (FindArray(controller, ref) != nullptr)
        ++ref;
    return ref;
}

u32 CheckFreeDrive(const Controller& controller, const Drive& drive)
{
    switch (drive.state) {
    case DriveState::UnconfiguredGood:
        if (drive.foreign)
            return kFwForeignDrive;
        return IsReservedForReconstruction(controller, drive.deviceId) ? kFwWrongState : kFwOk;
    case DriveState::HotSpare:
        return kFwDriveIsSpare;
    case DriveState::Online:
    case DriveState::Offline:
    case DriveState::Failed:
    case DriveState::Rebuild:
    case DriveState::Copyback:
    case DriveState::Jbod:
        return kFwDriveConfigured;
    default:
        return kFwWrongState;
    }
}

u32 CheckDriveMix(const Controller& controller, const std::vector<const Drive*>& drives)
{
    bool hdd = false, ssd = false, hddSas = false, hddSata = false, ssdSas = false, ssdSata = false;
    for (const Drive* d : drives) {
        const bool sata = d->interface == DriveInterface::Sata;
        if (d->media == DriveMedia::Ssd) {
            ssd = true;
            (sata ? ssdSata : ssdSas) = true;
        } else {
            hdd = true;
            (sata ? hddSata : hddSas) = true;
        }
    }
    const NameSet& support = controller.info.driveSupport;
    const bool refused = (hdd && ssd && support.count("ssd_hdd_mix_in_vd") == 0) ||
                         (hddSas && hddSata && support.count("hdd_sas_sata_mix_in_vd") == 0) ||
                         (ssdSas && ssdSata && support.count("ssd_sas_sata_mix_in_vd") == 0);
    return refused ? kFwDriveMix : kFwOk;
}

}  // namespace sim
