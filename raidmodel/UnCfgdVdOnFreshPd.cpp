#include "raidmodel/UnCfgdVdOnFreshPd.h"

#include <algorithm>
#include <memory>
#include <set>

#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmCfg.h"


UnCfgdVdOnFreshPd* UnCfgdVdOnFreshPd::Create(Controller* controller, int* defaultsStatus)
{
    return Create(RaidManager::GetRaidManager(controller), defaultsStatus);
}

UnCfgdVdOnFreshPd* UnCfgdVdOnFreshPd::Create(RaidManager* manager, int* defaultsStatus)
{
    if (defaultsStatus != nullptr)
        *defaultsStatus = 0;
    Adapter* adapter = nullptr;
    if (manager == nullptr || manager->GetAdapter(&adapter) != 0)
        return nullptr;
    std::unique_ptr<UnCfgdVdOnFreshPd> plan(new UnCfgdVdOnFreshPd(manager, adapter));
    const int status = plan->LoadControllerDefaults();
    if (status != 0) {
        if (defaultsStatus != nullptr)
            *defaultsStatus = status;
        return nullptr;
    }
    return plan.release();
}

int UnCfgdVdOnFreshPd::BuildUnconfiguredPdList()
{
    candidates_.Clear();
    candidatesBuilt_ = true;
    ArrayList<PhysicalDevice*>* listed = nullptr;
    const int status = manager_->GetUnconfiguredPdList(&listed, 0);
    const std::unique_ptr<ArrayList<PhysicalDevice*>> list(listed);
    if (status != 0)
        return status;
    for (unsigned i = 0; i < list->GetCount(); ++i)
        candidates_.Add(list->GetAt(static_cast<u8>(i)));
    return 0;
}

int UnCfgdVdOnFreshPd::SetPdPerSpan(u8 count)
{
    if (count == 0 || count > ArrayData::kMaxRows)
        return -1;
    pdPerSpan_ = count;
    return 0;
}

bool UnCfgdVdOnFreshPd::InSpans(PhysicalDevice* pd) const
{
    if (spans_ == nullptr)
        return false;
    for (unsigned s = 0; s < spans_->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans_->GetAt(static_cast<u8>(s));
        if (span != nullptr && span->Contains(pd))
            return true;
    }
    return false;
}

bool UnCfgdVdOnFreshPd::Mixable(PhysicalDevice* a, PhysicalDevice* b)
{
    if (a == b)
        return true;
    u8 mediaA = 0, mediaB = 0, typeA = 0, typeB = 0;
    if (a->GetMediaType(&mediaA) != 0 || b->GetMediaType(&mediaB) != 0 || a->GetPdType(&typeA) != 0 ||
        b->GetPdType(&typeB) != 0)
        return false;
    u8 allowed = 0;
    if (mediaA != mediaB && (adapter_->IsSsdHddMixAllowed(&allowed) != 0 || !allowed))
        return false;
    if (typeA == typeB)
        return true;
    // Different interfaces: each kind of media involved must allow the mix.
    const bool hdd = mediaA != pdrec::kMediaSsd || mediaB != pdrec::kMediaSsd;
    const bool ssd = mediaA == pdrec::kMediaSsd || mediaB == pdrec::kMediaSsd;
    if (hdd && (adapter_->IsHddSasSataMixAllowed(&allowed) != 0 || !allowed))
        return false;
    if (ssd && (adapter_->IsSsdSasSataMixAllowed(&allowed) != 0 || !allowed))
        return false;
    return true;
}

bool UnCfgdVdOnFreshPd::HasEnoughMixablePds(PhysicalDevice* pd)
{
    if (pd == nullptr)
        return false;
    if (!candidatesBuilt_)
        BuildUnconfiguredPdList();
    unsigned needed = pdPerSpan_;
    if (needed == 0) {
        u8 minimum = 0;
        needed = raidlevel::IsKnown(level_) && adapter_->GetMinPdsPerArray(&minimum, level_) == 0 ? minimum : 1;
    }
    unsigned mixable = 0;
    for (unsigned i = 0; i < candidates_.GetCount(); ++i)
        if (Mixable(pd, candidates_.GetAt(static_cast<u8>(i))))
            ++mixable;
    return mixable >= std::max(needed, 1u);
}

bool UnCfgdVdOnFreshPd::CanAddPd(PhysicalDevice* pd)
{
    if (pd == nullptr)
        return false;
    if (!candidatesBuilt_)
        BuildUnconfiguredPdList();
    if (!candidates_.Contains(pd) || InSpans(pd))
        return false;
    if (spans_ == nullptr)
        return true;
    for (unsigned s = 0; s < spans_->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans_->GetAt(static_cast<u8>(s));
        for (unsigned i = 0; span != nullptr && i < span->GetCount(); ++i)
            if (!Mixable(pd, span->GetAt(static_cast<u8>(i))))
                return false;
    }
    return true;
}

int UnCfgdVdOnFreshPd::GetPossibleRaidLevels(ArrayList<u8>** levels)
{
    ArrayList<u8>* supportedList = nullptr;
    int status = adapter_->GetSupportedRaidLevels(&supportedList);
    const std::unique_ptr<ArrayList<u8>> supported(supportedList);
    if (status != 0)
        return status;
    if (!candidatesBuilt_)
        BuildUnconfiguredPdList();
    auto possible = std::make_unique<ArrayList<u8>>();
    for (unsigned i = 0; i < supported->GetCount(); ++i) {
        const u8 code = supported->GetAt(static_cast<u8>(i));
        u8 minimum = 0, maximum = 0;
        if ((status = adapter_->GetMinPdsPerArray(&minimum, code)) != 0 ||
            (status = adapter_->GetMaxPdsPerArray(&maximum, code)) != 0)
            return status;
        if (maximum == 0)
            continue;
        const unsigned spans = raidlevel::IsSpanned(code) ? 2 : 1;
        if (candidates_.GetCount() >= std::max<unsigned>(minimum, 1) * spans)
            possible->Add(code);
    }
    *levels = possible.release();
    return 0;
}

bool UnCfgdVdOnFreshPd::SpansWellFormed() const
{
    if (spans_ == nullptr || spans_->GetCount() == 0 || spans_->GetCount() > vdrec::kMaxSpans)
        return false;
    std::set<PhysicalDevice*> seen;
    const ArrayList<PhysicalDevice*>* first = spans_->GetAt(0);
    for (unsigned s = 0; s < spans_->GetCount(); ++s) {
        const ArrayList<PhysicalDevice*>* span = spans_->GetAt(static_cast<u8>(s));
        if (span == nullptr || first == nullptr || span->GetCount() == 0 || span->GetCount() != first->GetCount() ||
            span->GetCount() > ArrayData::kMaxRows)
            return false;
        for (unsigned i = 0; i < span->GetCount(); ++i) {
            PhysicalDevice* pd = span->GetAt(static_cast<u8>(i));
            if (pd == nullptr || !seen.insert(pd).second)
                return false;
        }
    }
    return true;
}

u32 UnCfgdVdOnFreshPd::DataDriveCount()
{
    if (!raidlevel::IsKnown(level_) || !SpansWellFormed())
        return 0;
    return spans_->GetCount() * raidlevel::DataDrives(level_, spans_->GetAt(0)->GetCount());
}

int UnCfgdVdOnFreshPd::SmallestDrive(u64* blocks)
{
    bool any = false;
    u64 smallest = 0;
    for (unsigned s = 0; spans_ != nullptr && s < spans_->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* span = spans_->GetAt(static_cast<u8>(s));
        for (unsigned i = 0; span != nullptr && i < span->GetCount(); ++i) {
            PhysicalDevice* pd = span->GetAt(static_cast<u8>(i));
            u64 size = 0;
            if (pd == nullptr)
                return -1;
            int status = pd->GetCoercedSize(&size);
            if (status != 0)
                return status;
            smallest = any ? std::min(smallest, size) : size;
            any = true;
        }
    }
    if (!any)
        return -1;
    *blocks = smallest;
    return 0;
}

int UnCfgdVdOnFreshPd::ComputeCapacity(u64* blocks)
{
    const u32 dataDrives = DataDriveCount();
    if (dataDrives == 0)
        return -1;
    u64 smallest = 0;
    int status = SmallestDrive(&smallest);
    if (status != 0)
        return status;
    *blocks = smallest * dataDrives;
    return 0;
}

bool UnCfgdVdOnFreshPd::IsValid()
{
    if (!raidlevel::IsKnown(level_) || !SpansWellFormed())
        return false;
    const unsigned spanCount = spans_->GetCount();
    if (raidlevel::IsSpanned(level_) ? spanCount < 2 : spanCount != 1)
        return false;
    const u8 perSpan = spans_->GetAt(0)->GetCount();
    u8 minimum = 0, maximum = 0;
    if (adapter_->GetMinPdsPerArray(&minimum, level_) != 0 || adapter_->GetMaxPdsPerArray(&maximum, level_) != 0 ||
        perSpan < minimum || perSpan > maximum || raidlevel::DataDrives(level_, perSpan) == 0)
        return false;
    if (!candidatesBuilt_)
        BuildUnconfiguredPdList();
    for (unsigned s = 0; s < spanCount; ++s) {
        ArrayList<PhysicalDevice*>* span = spans_->GetAt(static_cast<u8>(s));
        for (unsigned i = 0; i < span->GetCount(); ++i)
            if (!candidates_.Contains(span->GetAt(static_cast<u8>(i))))
                return false;
    }
    u64 capacity = 0;
    return ComputeCapacity(&capacity) == 0 && capacity > 0 && size_ <= capacity;
}

int UnCfgdVdOnFreshPd::BuildCfgWrite(CfgWrite* write)
{
    if (write == nullptr || !IsValid())
        return -1;
    RmCfg* cfg = nullptr;
    int status = manager_->GetRmCfg(&cfg);
    if (status != 0)
        return status;
    u64 perMember = 0;
    if ((status = BlocksPerMember(&perMember)) != 0)
        return status;

    std::set<u16> usedRefs;
    List<Array*>* arrays = cfg->GetArrayList();
    for (unsigned i = 0; i < arrays->GetCount(); ++i)
        usedRefs.insert(arrays->GetAt(static_cast<u8>(i))->GetRef());

    CfgWrite result;
    FillVdRecord(&result.vd);
    result.vd.drivesPerSpan = spans_->GetAt(0)->GetCount();
    u16 nextRef = 0;
    for (unsigned s = 0; s < spans_->GetCount(); ++s) {
        while (usedRefs.count(nextRef) != 0)
            ++nextRef;
        ArrayData array;
        array.ref = nextRef;
        usedRefs.insert(nextRef);
        ArrayList<PhysicalDevice*>* span = spans_->GetAt(static_cast<u8>(s));
        for (unsigned i = 0; i < span->GetCount(); ++i) {
            PhysicalDevice* pd = span->GetAt(static_cast<u8>(i));
            ArrayRowData row;
            u64 size = 0;
            if ((status = pd->GetDeviceId(&row.deviceId)) != 0 || (status = pd->GetSeqNum(&row.seqNum)) != 0 ||
                (status = pd->GetCoercedSize(&size)) != 0)
                return status;
            array.blocks = i == 0 ? size : std::min(array.blocks, size);
            array.rows.push_back(row);
        }
        result.vd.spans.push_back({0, perMember, array.ref});
        result.arrays.push_back(std::move(array));
    }
    result.vd.blocks = perMember * DataDriveCount();
    *write = std::move(result);
    return 0;
}
