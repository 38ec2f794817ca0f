#include "raidmodel/RmCfg.h"

#include <algorithm>
#include <vector>

#include "dataif/VdData.h"
#include "raidmodel/Array.h"
#include "raidmodel/ArrayHmg.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Span.h"
#include "raidmodel/Spare.h"
#include "raidmodel/VirtualDisk.h"

RmCfg::RmCfg() = default;

RmCfg::~RmCfg() { Clear(); }

void RmCfg::Clear()
{
    DeleteElements(dgs_);
    DeleteElements(vds_);
    DeleteElements(spares_);
    DeleteElements(arrays_);
    spanStore_.clear();
}

Array* RmCfg::FindArray(u16 ref) const
{
    for (unsigned i = 0; i < arrays_.GetCount(); ++i)
        if (arrays_.GetAt(static_cast<u8>(i))->GetRef() == ref)
            return arrays_.GetAt(static_cast<u8>(i));
    return nullptr;
}

Spare* RmCfg::FindSpare(u16 deviceId) const
{
    for (unsigned i = 0; i < spares_.GetCount(); ++i)
        if (spares_.GetAt(static_cast<u8>(i))->GetDeviceId() == deviceId)
            return spares_.GetAt(static_cast<u8>(i));
    return nullptr;
}

VirtualDisk* RmCfg::FindVd(u16 targetId) const
{
    for (unsigned i = 0; i < vds_.GetCount(); ++i)
        if (vds_.GetAt(static_cast<u8>(i))->GetId()->GetFwTargetId() == targetId)
            return vds_.GetAt(static_cast<u8>(i));
    return nullptr;
}

bool RmCfg::IsArrayMember(u16 deviceId) const
{
    if (deviceId == ArrayRowData::kMissingDevice)
        return false;
    for (unsigned i = 0; i < arrays_.GetCount(); ++i) {
        const Array* array = arrays_.GetAt(static_cast<u8>(i));
        for (u8 row = 0; row < array->GetRowCount(); ++row)
            if (array->GetRowDeviceId(row) == deviceId)
                return true;
    }
    return false;
}

int RmCfg::Build(RaidManager* manager, CfgData&& cfg) { return BuildImage(manager, std::move(cfg), false); }

int RmCfg::BuildWithMissingSpans(RaidManager* manager, CfgData&& cfg)
{
    return BuildImage(manager, std::move(cfg), true);
}

int RmCfg::BuildImage(RaidManager* manager, CfgData&& cfg, bool missingSpans)
{
    Clear();
    if (cfg.arrays.size() > List<Array*>::kMaxCount || cfg.vds.size() > List<VirtualDisk*>::kMaxCount ||
        cfg.spares.size() > List<Spare*>::kMaxCount)
        return -1;

    for (std::size_t i = 0; i < cfg.arrays.size(); ++i) {
        const ArrayData& data = cfg.arrays[i];
        if (data.rows.size() > ArrayData::kMaxRows || FindArray(data.ref) != nullptr) {
            Clear();
            return -1;
        }
        auto* array = new ArrayHmg(data, static_cast<u8>(i));
        arrays_.Add(array);
        for (u8 row = 0; row < array->GetRowCount(); ++row) {
            const u16 deviceId = array->GetRowDeviceId(row);
            if (deviceId != ArrayRowData::kMissingDevice && manager != nullptr)
                array->SetRowPd(row, manager->GetPdByDeviceId(deviceId));
        }
    }

    for (VdCfgData& vdCfg : cfg.vds) {
        if (!vdCfg.data) {
            Clear();
            return -1;
        }
        auto* vd = new VirtualDisk(manager, std::move(vdCfg.data));
        vds_.Add(vd);
        for (const SpanData& spanData : vdCfg.spans) {
            Array* array = FindArray(spanData.arrayRef);
            if (array == nullptr && missingSpans && arrays_.GetCount() < List<Array*>::kMaxCount) {
                ArrayData missing;
                missing.ref = spanData.arrayRef;
                array = new ArrayHmg(missing, arrays_.GetCount());
                array->SetMissing();
                arrays_.Add(array);
            }
            if (array == nullptr) {
                Clear();
                return -1;
            }
            spanStore_.push_back(std::make_unique<Span>(array, spanData.startBlock, spanData.blocks));
            vd->AddSpan(spanStore_.back().get());
            array->AddVd(vd);
        }
    }

    for (const SpareData& spareData : cfg.spares) {
        if (spareData.arrayRefs.size() > SpareData::kMaxArrays) {
            Clear();
            return -1;
        }
        PhysicalDevice* pd = manager != nullptr ? manager->GetPdByDeviceId(spareData.deviceId) : nullptr;
        auto* spare = new Spare(pd, spareData.deviceId, spareData.dedicated, spareData.revertible, spareData.enclAffinity);
        spares_.Add(spare);
        for (u16 ref : spareData.arrayRefs) {
            Array* array = FindArray(ref);
            if (array == nullptr) {
                Clear();
                return -1;
            }
            spare->AddArray(array);
            array->AddSpare(spare);
        }
    }

    BuildDiskGroups();
    return 0;
}

void RmCfg::BuildDiskGroups()
{
    // Arrays joined by a virtual drive with spans on both belong to one disk group. A small
    // union-find over array positions; groups are listed in the order of their first array.
    const unsigned count = arrays_.GetCount();
    std::vector<unsigned> parent(count);
    for (unsigned i = 0; i < count; ++i)
        parent[i] = i;
    auto root = [&parent](unsigned i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    for (unsigned v = 0; v < vds_.GetCount(); ++v) {
        List<Span*>* spans = nullptr;
        if (vds_.GetAt(static_cast<u8>(v))->GetSpanList(&spans) != 0)
            continue;
        Array* first = nullptr;
        spans->GetAt(0)->GetArray(&first);
        for (unsigned s = 1; s < spans->GetCount(); ++s) {
            Array* other = nullptr;
            spans->GetAt(static_cast<u8>(s))->GetArray(&other);
            const unsigned a = root(first->GetIndex());
            const unsigned b = root(other->GetIndex());
            if (a != b)
                parent[std::max(a, b)] = std::min(a, b);
        }
    }
    std::vector<DiskGroup*> groupOfRoot(count, nullptr);
    for (unsigned i = 0; i < count; ++i) {
        const unsigned r = root(i);
        if (groupOfRoot[r] == nullptr) {
            groupOfRoot[r] = new DiskGroup();
            dgs_.Add(groupOfRoot[r]);
        }
        groupOfRoot[r]->AddArray(arrays_.GetAt(static_cast<u8>(i)));
    }
}
