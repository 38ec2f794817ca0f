// An array whose rows are alike (every array of the configuration is one): the capacity a
// virtual drive gets from an extent follows from the RAID level of the array's first virtual
// drive.
#pragma once
#include "raidmodel/Array.h"

class ArrayHmg : public Array {
public:
    using Array::Array;

    // The extent's size times the data drives of the array's rows for the level of its first
    // virtual drive (0: all, 1: half, 5: one less, 6: two less). 0, or -1 for a null extent,
    // an array without virtual drive, or a level without data drives.
    int GetVdCapacity(const ArraySpaceInfo* extent, u64* blocks) override;
};
