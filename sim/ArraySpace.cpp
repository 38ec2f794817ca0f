#include "ArraySpace.h"

#include <algorithm>

#include "Sizes.h"

namespace sim {
namespace {

bool UsesArray(const VirtualDrive& vd, u16 arrayRef)
{
    return std::find(vd.arrays.begin(), vd.arrays.end(), arrayRef) != vd.arrays.end();
}

}  // namespace

std::vector<Extent> UsedExtents(const Controller& controller, u16 arrayRef)
{
    std::vector<Extent> used;
    for (const VirtualDrive& vd : controller.config.virtualDrives) {
        if (UsesArray(vd, arrayRef))
            used.push_back({vd.startBlock, BlocksPerDrive(controller, vd)});
    }
    std::sort(used.begin(), used.end(), [](const Extent& a, const Extent& b) { return a.start < b.start; });
    return used;
}

std::vector<Extent> FreeExtents(const Controller& controller, const DriveArray& array)
{
    std::vector<Extent> free;
    u64 at = 0;
    for (const Extent& e : UsedExtents(controller, array.ref)) {
        if (e.start > at && at < array.blocks)
            free.push_back({at, std::min(e.start, array.blocks) - at});
        at = std::max(at, e.End());
    }
    if (at < array.blocks)
        free.push_back({at, array.blocks - at});
    return free;
}

bool IsFree(const Controller& controller, const DriveArray& array, u64 start, u64 blocks)
{
    for (const Extent& e : FreeExtents(controller, array)) {
        if (start >= e.start && blocks <= e.End() - start && start < e.End())
            return true;
    }
    return false;
}

std::size_t VdsOnArray(const Controller& controller, u16 arrayRef)
{
    return static_cast<std::size_t>(std::count_if(controller.config.virtualDrives.begin(),
                                                  controller.config.virtualDrives.end(),
                                                  [&](const VirtualDrive& vd) { return UsesArray(vd, arrayRef); }));
}

}  // namespace sim
