#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"

#include <memory>

#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"

UnCfgdVdOnFreeSpOnPd::UnCfgdVdOnFreeSpOnPd(RaidManager* manager, Adapter* adapter, DiskGroup* dg)
    : UnConfiguredVd(manager, adapter), dg_(dg)
{
}

UnCfgdVdOnFreeSpOnPd* UnCfgdVdOnFreeSpOnPd::Create(Controller* controller, DiskGroup* dg, int* defaultsStatus)
{
    return Create(RaidManager::GetRaidManager(controller), dg, defaultsStatus);
}

UnCfgdVdOnFreeSpOnPd* UnCfgdVdOnFreeSpOnPd::Create(RaidManager* manager, DiskGroup* dg, int* defaultsStatus)
{
    if (defaultsStatus != nullptr)
        *defaultsStatus = 0;
    Adapter* adapter = nullptr;
    if (dg == nullptr || manager == nullptr || manager->GetAdapter(&adapter) != 0)
        return nullptr;
    std::unique_ptr<UnCfgdVdOnFreeSpOnPd> plan(new UnCfgdVdOnFreeSpOnPd(manager, adapter, dg));
    const int status = plan->LoadControllerDefaults();
    if (status != 0) {
        if (defaultsStatus != nullptr)
            *defaultsStatus = status;
        return nullptr;
    }
    u8 code = 0, encryption = 0;
    if (plan->GroupVdFacts(&code, &encryption)) {
        plan->level_ = code;
        plan->encryption_ = encryption;
    }
    return plan.release();
}

bool UnCfgdVdOnFreeSpOnPd::GroupVdFacts(u8* code, u8* encryption)
{
    List<VirtualDisk*>* vds = nullptr;
    if (dg_->GetVdList(&vds) != 0 || vds->GetCount() == 0)
        return false;
    VirtualDisk* first = vds->GetAt(0);
    u8 primary = 0, spans = 0;
    if (first->GetRaidLevel(&primary) != 0 || first->GetSpanDepth(&spans) != 0 || first->GetEncryptionType(encryption) != 0)
        return false;
    *code = raidlevel::CodeOf(primary, spans);
    return raidlevel::IsKnown(*code);
}

int UnCfgdVdOnFreeSpOnPd::GetFreeSpaceList(ArrayList<ArraySpaceInfo*>** list)
{
    List<Array*>* arrays = nullptr;
    if (dg_->GetArrayList(&arrays) != 0 || arrays->GetCount() == 0)
        return -1;
    ArraySpaceInfos usable;
    for (std::unique_ptr<ArraySpaceInfo>& extent : arrays->GetAt(0)->FreeExtents())
        if (extent->GetSize() >= kMinExtentBlocks)
            usable.push_back(std::move(extent));
    *list = ReleaseExtentList(std::move(usable));
    return 0;
}

int UnCfgdVdOnFreeSpOnPd::SetArraySpaceInfo(const ArraySpaceInfo* extent)
{
    if (extent == nullptr)
        return -1;
    extentStart_ = extent->GetStart();
    extentBlocks_ = extent->GetSize();
    extentSet_ = true;
    return 0;
}

int UnCfgdVdOnFreeSpOnPd::GetPossibleRaidLevels(ArrayList<u8>** levels)
{
    u8 code = 0, encryption = 0;
    if (!GroupVdFacts(&code, &encryption))
        return -1;
    auto* possible = new ArrayList<u8>(1);
    possible->Add(code);
    *levels = possible;
    return 0;
}

u32 UnCfgdVdOnFreeSpOnPd::DataDriveCount()
{
    List<Array*>* arrays = nullptr;
    if (!raidlevel::IsKnown(level_) || dg_->GetArrayList(&arrays) != 0)
        return 0;
    u32 total = 0;
    for (unsigned i = 0; i < arrays->GetCount(); ++i)
        total += raidlevel::DataDrives(level_, arrays->GetAt(static_cast<u8>(i))->GetRowCount());
    return total;
}

int UnCfgdVdOnFreeSpOnPd::ComputeCapacity(u64* blocks)
{
    const u32 dataDrives = DataDriveCount();
    if (!extentSet_ || dataDrives == 0)
        return -1;
    *blocks = extentBlocks_ * dataDrives;
    return 0;
}

bool UnCfgdVdOnFreeSpOnPd::IsValid()
{
    u8 code = 0, encryption = 0;
    List<Array*>* arrays = nullptr;
    if (!extentSet_ || extentBlocks_ == 0 || !GroupVdFacts(&code, &encryption) || code != level_ ||
        dg_->GetArrayList(&arrays) != 0 || arrays->GetCount() == 0 || arrays->GetCount() > vdrec::kMaxSpans ||
        raidlevel::IsSpanned(level_) != (arrays->GetCount() > 1))
        return false;
    const u8 rows = arrays->GetAt(0)->GetRowCount();
    for (unsigned i = 0; i < arrays->GetCount(); ++i) {
        Array* array = arrays->GetAt(static_cast<u8>(i));
        if (array->GetRowCount() != rows || !array->HasFreeExtent(extentStart_, extentBlocks_))
            return false;
    }
    u64 capacity = 0;
    return ComputeCapacity(&capacity) == 0 && capacity > 0 && size_ <= capacity;
}

int UnCfgdVdOnFreeSpOnPd::BuildCfgWrite(CfgWrite* write)
{
    if (write == nullptr || !IsValid())
        return -1;
    u64 perMember = 0;
    int status = BlocksPerMember(&perMember);
    if (status != 0)
        return status;
    List<Array*>* arrays = nullptr;
    dg_->GetArrayList(&arrays);
    CfgWrite result;
    FillVdRecord(&result.vd);
    result.vd.drivesPerSpan = arrays->GetAt(0)->GetRowCount();
    for (unsigned i = 0; i < arrays->GetCount(); ++i)
        result.vd.spans.push_back({extentStart_, perMember, arrays->GetAt(static_cast<u8>(i))->GetRef()});
    result.vd.blocks = perMember * DataDriveCount();
    *write = std::move(result);
    return 0;
}
