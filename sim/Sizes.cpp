#include "Sizes.h"

#include <algorithm>
#include <map>

#include "Topology.h"

namespace sim {
namespace {

constexpr u64 k128MbBlocks = u64{128} << 11;
constexpr u64 k1GbBlocks = u64{1} << 21;

}  // namespace

u64 NonCoercedBlocks(const Drive& drive) { return drive.blocks > kReservedBlocks ? drive.blocks - kReservedBlocks : 0; }

u64 CoercedBlocks(const Drive& drive, u64 coercionMode)
{
    const u64 blocks = NonCoercedBlocks(drive);
    switch (coercionMode) {
    case 1:
        return blocks / k128MbBlocks * k128MbBlocks;
    case 2:
        return blocks / k1GbBlocks * k1GbBlocks;
    default:
        return blocks;
    }
}

u64 SmallestMemberBlocks(const Controller& controller, const DriveArray& array)
{
    u64 smallest = 0;
    bool any = false;
    for (u16 row : array.rows) {
        const Drive* drive = row == kMissingRow ? nullptr : FindDrive(controller, row);
        if (drive == nullptr)
            continue;
        const u64 blocks = CoercedBlocks(*drive, controller.properties.coercionMode);
        smallest = any ? std::min(smallest, blocks) : blocks;
        any = true;
    }
    return smallest;
}

unsigned DataDrives(u8 raidLevel, std::size_t rows)
{
    const unsigned n = static_cast<unsigned>(rows);
    switch (raidLevel) {
    case 1:
    case 10:
        return std::max(1u, n / 2);
    case 5:
    case 50:
        return n > 1 ? n - 1 : 1;
    case 6:
    case 60:
        return n > 2 ? n - 2 : 1;
    default:
        return n;
    }
}

// A span whose array is missing (in a foreign configuration) counts the rows of the first span
// that is present: every span of a virtual drive has the same number of drives.
u64 TotalDataDrives(const Controller& controller, const VirtualDrive& vd)
{
    std::size_t presentRows = 0;
    for (u16 ref : vd.arrays) {
        if (const DriveArray* array = FindArray(controller, ref)) {
            presentRows = array->rows.size();
            break;
        }
    }
    u64 total = 0;
    for (u16 ref : vd.arrays) {
        const DriveArray* array = FindArray(controller, ref);
        total += DataDrives(vd.raidLevel, array != nullptr ? array->rows.size() : presentRows);
    }
    return presentRows == 0 ? 0 : total;
}

u64 BlocksPerDrive(const Controller& controller, const VirtualDrive& vd)
{
    const u64 data = TotalDataDrives(controller, vd);
    return data == 0 ? 0 : vd.blocks / data + (vd.blocks % data != 0 ? 1 : 0);
}

void ResolveSizes(Controller& controller)
{
    for (DriveArray& array : controller.config.arrays) {
        if (array.blocks == kDerivedBlocks)
            array.blocks = SmallestMemberBlocks(controller, array);
    }
    std::map<u16, u64> used;  // array reference -> blocks taken on each member so far
    for (VirtualDrive& vd : controller.config.virtualDrives) {
        if (vd.startBlock == kDerivedBlocks) {
            vd.startBlock = 0;
            for (u16 ref : vd.arrays)
                vd.startBlock = std::max(vd.startBlock, used[ref]);
        }
        if (vd.blocks == kDerivedBlocks) {
            u64 free = kDerivedBlocks;
            for (u16 ref : vd.arrays) {
                if (const DriveArray* array = FindArray(controller, ref))
                    free = std::min(free, array->blocks > vd.startBlock ? array->blocks - vd.startBlock : 0);
            }
            vd.blocks = free == kDerivedBlocks ? 0 : free * TotalDataDrives(controller, vd);
        }
        const u64 end = vd.startBlock + BlocksPerDrive(controller, vd);
        for (u16 ref : vd.arrays)
            used[ref] = std::max(used[ref], end);
    }
}

void ResolveForeignSizes(Controller& controller)
{
    for (ForeignConfig& foreign : controller.foreign) {
        Controller carried;
        carried.drives = controller.drives;
        carried.properties = controller.properties;
        carried.config = std::move(foreign.config);
        ResolveSizes(carried);
        foreign.config = std::move(carried.config);
    }
}

}  // namespace sim
