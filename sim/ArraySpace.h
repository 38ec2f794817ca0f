// The space of an array: each virtual drive on it takes one extent of every member drive (the
// same blocks on each), from its start block for its blocks per drive; the blocks no virtual
// drive takes are free.
#pragma once
#include <vector>

#include "Model.h"

namespace sim {

struct Extent {
    u64 start = 0;
    u64 blocks = 0;
    u64 End() const { return start + blocks; }
};

// The extents the virtual drives take on the array, in start order.
std::vector<Extent> UsedExtents(const Controller& controller, u16 arrayRef);
// The free extents of the array (of its `blocks` per member), in start order.
std::vector<Extent> FreeExtents(const Controller& controller, const DriveArray& array);
// True when [start, start + blocks) lies inside one free extent of the array.
bool IsFree(const Controller& controller, const DriveArray& array, u64 start, u64 blocks);
// The number of virtual drives on the array.
std::size_t VdsOnArray(const Controller& controller, u16 arrayRef);

}  // namespace sim
