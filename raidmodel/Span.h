// A span of a virtual drive: an extent (start and length, in blocks on each member drive) of
// one array.
#pragma once
#include "ZepUtil/Types.h"
#include "raidmodel/RaidElement.h"

class Array;

class Span : public RaidElement {
public:
    Span(Array* array, u64 startBlock, u64 blocks) : array_(array), startBlock_(startBlock), blocks_(blocks) {}

    // 0 and the span's array; -1 when there is none.
    int GetArray(Array** array) const
    {
        if (array_ == nullptr)
            return -1;
        *array = array_;
        return 0;
    }
    u64 GetStartBlock() const { return startBlock_; }
    u64 GetBlocks() const { return blocks_; }

private:
    Array* array_;
    u64 startBlock_;
    u64 blocks_;
};
