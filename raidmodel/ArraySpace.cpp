// The extents of an array: where its virtual drives lie on each member drive and the free
// extents between and after them.
#include <algorithm>
#include <vector>

#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"

ArrayList<ArraySpaceInfo*>* ReleaseExtentList(ArraySpaceInfos extents)
{
    auto* list = new ArrayList<ArraySpaceInfo*>();
    for (std::unique_ptr<ArraySpaceInfo>& extent : extents)
        if (list->Add(extent.get()) == 0)
            extent.release();
    return list;
}

ArraySpaceInfos Array::SpaceExtents()
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

    // As many extents as a list holds; the first ones in start order.
    ArraySpaceInfos extents;
    auto add = [&extents](u64 start, u64 blocks, VirtualDisk* vd) {
        if (extents.size() < List<ArraySpaceInfo*>::kMaxCount)
            extents.push_back(std::make_unique<ArraySpaceInfo>(start, blocks, vd));
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
    return extents;
}

ArraySpaceInfos Array::FreeExtents()
{
    ArraySpaceInfos free;
    for (std::unique_ptr<ArraySpaceInfo>& extent : SpaceExtents())
        if (extent->IsFree())
            free.push_back(std::move(extent));
    return free;
}

int Array::GetSpaceInfoList(ArrayList<ArraySpaceInfo*>** list)
{
    *list = ReleaseExtentList(SpaceExtents());
    return 0;
}

int Array::GetFreeSpaceList(ArrayList<ArraySpaceInfo*>** list)
{
    ArraySpaceInfos free = FreeExtents();
    if (free.empty())
        return kStatusNoFreeSpace;
    *list = ReleaseExtentList(std::move(free));
    return 0;
}

bool Array::HasFreeExtent(u64 start, u64 blocks)
{
    for (const std::unique_ptr<ArraySpaceInfo>& extent : FreeExtents())
        if (start >= extent->GetStart() && blocks <= extent->GetSize() &&
            start - extent->GetStart() <= extent->GetSize() - blocks)
            return true;
    return false;
}

int Array::GetVdCapacity(const ArraySpaceInfo* /*extent*/, u64* /*blocks*/) { return -1; }
