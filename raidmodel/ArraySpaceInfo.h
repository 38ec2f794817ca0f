// An extent of an array: a start and a length in 512-byte blocks on each member drive, and the
// virtual drive that occupies it (none for a free extent).
#pragma once
#include <memory>
#include <vector>

#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class VirtualDisk;

class ArraySpaceInfo {
public:
    ArraySpaceInfo(u64 startBlock, u64 blocks, VirtualDisk* vd) : start_(startBlock), size_(blocks), vd_(vd) {}
    virtual ~ArraySpaceInfo() = default;

    u64 GetStart() const { return start_; }
    u64 GetSize() const { return size_; }
    // The occupying virtual drive; null for a free extent.
    VirtualDisk* GetVd() const { return vd_; }
    bool IsFree() const { return vd_ == nullptr; }
    // True when the other extent has the same start and size.
    bool IsSameExtent(const ArraySpaceInfo* other) const
    {
        return other != nullptr && other->start_ == start_ && other->size_ == size_;
    }

private:
    u64 start_;
    u64 size_;
    VirtualDisk* vd_;
};

// Extents held by their owner.
using ArraySpaceInfos = std::vector<std::unique_ptr<ArraySpaceInfo>>;

// Hands the extents over as a new list (its taker deletes the extents and the list); an extent
// the list cannot take is freed here.
ArrayList<ArraySpaceInfo*>* ReleaseExtentList(ArraySpaceInfos extents);
