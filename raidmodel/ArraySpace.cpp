// The extents of an array: where its virtual drives lie on each member drive and the free
// extents between and after them.
#include <algorithm>
#include <vector>

#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"

int Array::GetSpaceInfoList(ArrayList<ArraySpaceInfo*>** list)
{
    struct Used {
        u64 start;
        u64 blocks;
        VirtualDisk* vd;
    };
    std::vector<Used> used;
    for (unsigned v = 0; v < vds_.GetCount(); ++v) {
        VirtualDisk* vd = vds_.GetAt(static_cast<u8>(v));
        List<Span*>* spans = nullptr;
        if (vd->GetSpanList(&spans) != 0)
            continue;
        for (unsigned s = 0; s < spans->GetCount(); ++s) {
            Span* span = spans->GetAt(static_cast<u8>(s));
            Array* array = nullptr;
            if (span->GetArray(&array) == 0 && array == this)
                used.push_back({span->GetStartBlock(), span->GetBlocks(), vd});
        }
    }
    std::stable_sort(used.begin(), used.end(), [](const Used& a, const Used& b) { return a.start < b.start; });

    auto* extents = new ArrayList<ArraySpaceInfo*>();
    auto add = [extents](u64 start, u64 blocks, VirtualDisk* vd) {
        auto* extent = new ArraySpaceInfo(start, blocks, vd);
        if (extents->Add(extent) != 0)
            delete extent;
    };
    // Free space is what no span covers, up to the blocks the array has on each member.
    u64 cursor = 0;
    for (const Used& u : used) {
        if (u.start > cursor)
            add(cursor, u.start - cursor, nullptr);
        add(u.start, u.blocks, u.vd);
        const u64 end = u.blocks > UINT64_MAX - u.start ? UINT64_MAX : u.start + u.blocks;
        cursor = std::max(cursor, end);
    }
    if (data_.blocks > cursor)
        add(cursor, data_.blocks - cursor, nullptr);
    *list = extents;
    return 0;
}

int Array::GetFreeSpaceList(ArrayList<ArraySpaceInfo*>** list)
{
    ArrayList<ArraySpaceInfo*>* all = nullptr;
    int status = GetSpaceInfoList(&all);
    if (status != 0)
        return status;
    auto* free = new ArrayList<ArraySpaceInfo*>();
    for (unsigned i = 0; i < all->GetCount(); ++i) {
        ArraySpaceInfo* extent = all->GetAt(static_cast<u8>(i));
        if (extent->IsFree())
            free->Add(extent);
        else
            delete extent;
    }
    delete all;
    if (free->GetCount() == 0) {
        delete free;
        return kStatusNoFreeSpace;
    }
    *list = free;
    return 0;
}

bool Array::HasFreeExtent(u64 start, u64 blocks)
{
    ArrayList<ArraySpaceInfo*>* free = nullptr;
    if (GetFreeSpaceList(&free) != 0)
        return false;
    bool inside = false;
    for (unsigned i = 0; i < free->GetCount() && !inside; ++i) {
        const ArraySpaceInfo* extent = free->GetAt(static_cast<u8>(i));
        inside = start >= extent->GetStart() && blocks <= extent->GetSize() &&
                 start - extent->GetStart() <= extent->GetSize() - blocks;
    }
    DeleteList(free);
    return inside;
}

int Array::GetVdCapacity(const ArraySpaceInfo* /*extent*/, u64* /*blocks*/) { return -1; }
