// The checks before a new virtual drive: do the named drives form a new disk group or name one
// that exists (CheckSpanPdLists), and may the controller or a disk group take another virtual
// drive (CanCreateVd, CanCreateVdOnDiskGroup).
#include <memory>
#include <set>

#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/SnapShotRaidManager.h"
#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"

namespace {

using SpanLists = ArrayList<ArrayList<PhysicalDevice*>*>;

// The disk group that holds the array, or null.
DiskGroup* GroupOf(List<DiskGroup*>* dgs, Array* array)
{
    for (unsigned g = 0; g < dgs->GetCount(); ++g) {
        List<Array*>* arrays = nullptr;
        if (dgs->GetAt(static_cast<u8>(g))->GetArrayList(&arrays) != 0)
            continue;
        for (unsigned a = 0; a < arrays->GetCount(); ++a)
            if (arrays->GetAt(static_cast<u8>(a)) == array)
                return dgs->GetAt(static_cast<u8>(g));
    }
    return nullptr;
}

}  // namespace

int SnapShotRaidManager::CheckSpanPdLists(SpanLists* spans, DiskGroup** dg)
{
    if (dg != nullptr)
        *dg = nullptr;
    if (spans == nullptr)
        return kSpanNoList;
    if (spans->GetCount() == 0)
        return kSpanEmpty;
    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans->GetAt(static_cast<u8>(s));
        if (span == nullptr)
            return kSpanNoList;
        if (span->GetCount() == 0)
            return kSpanEmpty;
        for (unsigned i = 0; i < span->GetCount(); ++i)
            if (span->GetAt(static_cast<u8>(i)) == nullptr)
                return kSpanNoList;
    }
    RmCfg* cfg = nullptr;
    if (GetRmCfg(&cfg) != 0)
        return -1;

    bool configured = false;
    bool unconfigured = false;
    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans->GetAt(static_cast<u8>(s));
        for (unsigned i = 0; i < span->GetCount(); ++i)
            (cfg->IsArrayMember(span->GetAt(static_cast<u8>(i))->GetData()->GetDeviceId()) ? configured : unconfigured) =
                true;
    }
    if (configured && unconfigured)
        return kSpanMix;
    const u8 perSpan = spans->GetAt(0)->GetCount();
    for (unsigned s = 1; s < spans->GetCount(); ++s)
        if (spans->GetAt(static_cast<u8>(s))->GetCount() != perSpan)
            return kSpanCount;
    if (configured)
        return CheckConfiguredSpans(spans, dg);

    // New drives: each must be unconfigured good, and named once.
    std::set<PhysicalDevice*> seen;
    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans->GetAt(static_cast<u8>(s));
        for (unsigned i = 0; i < span->GetCount(); ++i) {
            PhysicalDevice* pd = span->GetAt(static_cast<u8>(i));
            u16 state = 0;
            if (pd->GetFwState(&state) != 0)
                return -1;
            if (state != PhysicalDevice::kStateUnconfiguredGood || !seen.insert(pd).second)
                return kSpanAttributes;
        }
    }
    return kSpanOk;
}

int SnapShotRaidManager::CheckConfiguredSpans(SpanLists* spans, DiskGroup** dg)
{
    // Each span names all the drives of one array (in any order), each array once.
    std::vector<Array*> named;
    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans->GetAt(static_cast<u8>(s));
        Array* array = nullptr;
        const u16 first = span->GetAt(0)->GetData()->GetDeviceId();
        List<Array*>* arrays = cfg_->GetArrayList();
        for (unsigned a = 0; a < arrays->GetCount() && array == nullptr; ++a)
            for (u8 row = 0; row < arrays->GetAt(static_cast<u8>(a))->GetRowCount(); ++row)
                if (arrays->GetAt(static_cast<u8>(a))->GetRowDeviceId(row) == first)
                    array = arrays->GetAt(static_cast<u8>(a));
        if (array == nullptr)
            return kSpanNoArray;
        if (span->GetCount() != array->GetRowCount())
            return kSpanCount;
        std::set<u16> rows;
        for (u8 row = 0; row < array->GetRowCount(); ++row)
            rows.insert(array->GetRowDeviceId(row));
        std::set<u16> drives;
        for (unsigned i = 0; i < span->GetCount(); ++i)
            drives.insert(span->GetAt(static_cast<u8>(i))->GetData()->GetDeviceId());
        if (drives != rows)
            return kSpanArrayMismatch;
        for (Array* other : named)
            if (other == array)
                return kSpanDgMismatch;
        named.push_back(array);
    }

    DiskGroup* group = GroupOf(cfg_->GetDgList(), named.front());
    if (group == nullptr)
        return kSpanNoDiskGroup;
    List<Array*>* groupArrays = nullptr;
    if (group->GetArrayList(&groupArrays) != 0 || groupArrays->GetCount() != named.size())
        return kSpanDgMismatch;
    for (Array* array : named)
        if (GroupOf(cfg_->GetDgList(), array) != group)
            return kSpanDgMismatch;

    u8 slicing = 0;
    Adapter* adapter = AdapterElement();
    if (groupArrays->GetCount() > 1 && (adapter == nullptr || adapter->IsSpannedArraySlicingSupported(&slicing) != 0 || !slicing))
        return kSpanSlicing;

    // The group needs a usable free extent, free alike on all its arrays.
    const ArraySpaceInfos free = groupArrays->GetAt(0)->FreeExtents();
    if (free.empty())
        return kSpanNoFreeSpace;
    bool usable = false;
    bool consistent = true;
    for (const std::unique_ptr<ArraySpaceInfo>& extent : free) {
        if (extent->GetSize() < UnCfgdVdOnFreeSpOnPd::kMinExtentBlocks)
            continue;
        usable = true;
        for (unsigned a = 1; a < groupArrays->GetCount(); ++a)
            if (!groupArrays->GetAt(static_cast<u8>(a))->HasFreeExtent(extent->GetStart(), extent->GetSize()))
                consistent = false;
    }
    if (!usable)
        return kSpanNoFreeSpace;
    if (!consistent)
        return kSpanFreeSpaceMismatch;
    if (dg != nullptr)
        *dg = group;
    return kSpanOk;
}

int SnapShotRaidManager::CanCreateVd(u8* possible, u8* pdNotPiEligible)
{
    *possible = 0;
    Adapter* adapter = nullptr;
    u8 count = 0;
    u8 maximum = 0;
    int status = GetAdapter(&adapter);
    if (status == 0)
        status = GetVdCount(&count);
    if (status == 0)
        status = adapter->GetMaxLdCount(&maximum);
    if (status != 0)
        return status;
    if (count >= maximum)
        return kStatusVdLimit;
    ArrayList<PhysicalDevice*>* usableList = nullptr;
    status = GetUnconfiguredPdList(&usableList, 0);
    const std::unique_ptr<ArrayList<PhysicalDevice*>> usable(usableList);
    if (status == kStatusNoPd)
        return kStatusNoUsablePd;
    if (status != 0)
        return status;
    // A drive whose eligibility cannot be read counts as not eligible.
    bool anyEligible = false;
    for (unsigned i = 0; i < usable->GetCount(); ++i) {
        u16 eligible = 0;
        if (usable->GetAt(static_cast<u8>(i))->IsPiEligible(&eligible) == 0 && eligible != 0)
            anyEligible = true;
    }
    if (pdNotPiEligible != nullptr)
        *pdNotPiEligible = anyEligible ? 0 : 1;
    *possible = 1;
    return 0;
}

int SnapShotRaidManager::CanCreateVdOnDiskGroup(DiskGroup* dg, u8* possible)
{
    *possible = 0;
    List<Array*>* arrays = nullptr;
    if (dg == nullptr || dg->GetArrayList(&arrays) != 0)
        return kStatusNoFreeExtent;
    for (unsigned a = 0; a < arrays->GetCount(); ++a) {
        Array* array = arrays->GetAt(static_cast<u8>(a));
        for (u8 row = 0; row < array->GetRowCount(); ++row) {
            PhysicalDevice* pd = array->GetRowPd(row);
            u16 state = 0;
            if (pd == nullptr)
                continue;
            int status = pd->GetFwState(&state);
            if (status != 0)
                return status;
            if (state == PhysicalDevice::kStateRebuild)
                return kStatusRebuilding;
        }
    }
    for (unsigned a = 0; a < arrays->GetCount(); ++a) {
        Array* array = arrays->GetAt(static_cast<u8>(a));
        List<VirtualDisk*>* vds = nullptr;
        if (array->GetVdList(&vds) != 0 || array->FreeExtents().empty())
            return kStatusNoFreeExtent;
    }
    Adapter* adapter = nullptr;
    u8 count = 0, maximum = 0, perArray = 0;
    int status = GetAdapter(&adapter);
    if (status == 0)
        status = GetVdCount(&count);
    if (status == 0)
        status = adapter->GetMaxLdCount(&maximum);
    if (status == 0)
        status = adapter->GetMaxVdsPerArray(&perArray);
    if (status != 0)
        return status;
    if (count >= maximum)
        return kStatusVdLimit;
    for (unsigned a = 0; a < arrays->GetCount(); ++a) {
        List<VirtualDisk*>* vds = nullptr;
        arrays->GetAt(static_cast<u8>(a))->GetVdList(&vds);
        if (vds->GetCount() >= perArray)
            return kStatusVdLimit;
    }
    *possible = 1;
    // A group of more than 16 virtual drives cannot be read by systems that know only 16.
    constexpr unsigned kCompatibleVdsPerDg = 16;
    List<VirtualDisk*>* groupVds = nullptr;
    if (dg->GetVdList(&groupVds) == 0 && groupVds->GetCount() >= kCompatibleVdsPerDg)
        return kStatus16VdsPerDg;
    return 0;
}
