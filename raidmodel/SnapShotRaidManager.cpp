#include "raidmodel/SnapShotRaidManager.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "raidmodel/Array.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "raidmodel/ids/VdIdFwi.h"

namespace {
constexpr u8 kScsiTypeTape = 1;

int CompareVdByTargetId(const void* a, const void* b)
{
    const VirtualDisk* left = *static_cast<VirtualDisk* const*>(a);
    const VirtualDisk* right = *static_cast<VirtualDisk* const*>(b);
    return static_cast<int>(left->GetId()->GetTargetId()) - static_cast<int>(right->GetId()->GetTargetId());
}
}  // namespace

SnapShotRaidManager::SnapShotRaidManager(Controller* controller, std::unique_ptr<RmData> data,
                                         std::unique_ptr<AdapterData> adapterData)
    : controller_(controller), data_(std::move(data)), pendingAdapterData_(std::move(adapterData))
{
}

SnapShotRaidManager::~SnapShotRaidManager() { DropSnapshot(); }

Adapter* SnapShotRaidManager::AdapterElement()
{
    if (!adapter_ && pendingAdapterData_)
        adapter_ = std::make_unique<Adapter>(std::move(pendingAdapterData_));
    return adapter_.get();
}

int SnapShotRaidManager::RefreshAdapter()
{
    Adapter* adapter = AdapterElement();
    return adapter ? adapter->Refresh() : -1;
}

int SnapShotRaidManager::GetAdapter(Adapter** adapter)
{
    if (AdapterElement() == nullptr)
        return -1;
    ByteView info;
    int status = adapter_->GetControllerInfo(&info);
    if (status != 0)
        return status;
    *adapter = adapter_.get();
    return 0;
}

void SnapShotRaidManager::DropSnapshot()
{
    // The configuration refers to the devices: it goes first.
    cfg_.reset();
    listsBuilt_ = false;
    pdList_.Clear();
    unassigned_.reset();
    devices_.clear();
    entries_.clear();
    devicesLoaded_ = false;
    enclosuresLoaded_ = false;
    enclosureIds_.clear();
    vdCountLoaded_ = false;
    vdCount_ = 0;
}

int SnapShotRaidManager::Refresh()
{
    DropSnapshot();
    retired_.clear();
    int status = LoadDevices();
    if (status != 0)
        return status;
    return LoadCfg();
}

int SnapShotRaidManager::LoadDevices()
{
    if (devicesLoaded_)
        return 0;
    std::vector<PdListEntry> entries;
    int status = data_->GetPdListEntries(&entries);
    if (status != 0)
        return status;
    const auto drives = std::count_if(entries.begin(), entries.end(),
                                      [](const PdListEntry& e) { return e.scsiType != PdListEntry::kScsiTypeEnclosure; });
    if (drives > static_cast<long>(List<PhysicalDevice*>::kMaxCount))
        return -1;
    entries_ = std::move(entries);
    for (const PdListEntry& entry : entries_)
        devices_.push_back(std::make_unique<PhysicalDevice>(this, data_->CreatePdData(entry)));
    devicesLoaded_ = true;
    return 0;
}

int SnapShotRaidManager::LoadCfg()
{
    if (cfg_)
        return 0;
    int status = LoadDevices();
    if (status != 0)
        return status;
    std::vector<u8> image;
    status = data_->ReadCfgImage(&image);
    if (status != 0)
        return status;
    return BuildRmCfg(image.data(), static_cast<u32>(image.size()));
}

int SnapShotRaidManager::BuildRmCfg(const u8* image, u32 length)
{
    cfg_.reset();
    listsBuilt_ = false;
    pdList_.Clear();
    unassigned_.reset();
    return BuildSeparateCfg(image, length, &cfg_);
}

int SnapShotRaidManager::BuildSeparateCfg(const u8* image, u32 length, std::unique_ptr<RmCfg>* cfg)
{
    CfgData parsed;
    if (data_->ParseCfgImage(ByteView(image, length), &parsed) != 0)
        return -1;
    auto built = std::make_unique<RmCfg>();
    if (built->Build(this, std::move(parsed)) != 0)
        return -1;
    *cfg = std::move(built);
    return 0;
}

int SnapShotRaidManager::GetRmCfg(RmCfg** cfg)
{
    int status = LoadCfg();
    if (status != 0)
        return status;
    *cfg = cfg_.get();
    return 0;
}

void SnapShotRaidManager::BuildMergedLists()
{
    if (listsBuilt_)
        return;
    pdList_.Clear();
    // Drives in no array, in device-list order, then the members of the arrays, array by
    // array and row by row. The members' ids are gathered once rather than searched for each
    // drive, which counts on large configurations.
    List<Array*>* arrays = cfg_->GetArrayList();
    std::vector<bool> member(0x10000, false);
    for (unsigned a = 0; a < arrays->GetCount(); ++a) {
        const Array* array = arrays->GetAt(static_cast<u8>(a));
        for (u8 row = 0; row < array->GetRowCount(); ++row)
            member[array->GetRowDeviceId(row)] = true;
    }
    member[ArrayRowData::kMissingDevice] = false;
    std::unordered_set<const PhysicalDevice*> listed;
    for (const auto& device : devices_)
        if (!device->IsEnclosure() && !member[device->GetData()->GetDeviceId()]) {
            pdList_.Add(device.get());
            listed.insert(device.get());
        }
    for (unsigned a = 0; a < arrays->GetCount(); ++a) {
        Array* array = arrays->GetAt(static_cast<u8>(a));
        for (u8 row = 0; row < array->GetRowCount(); ++row) {
            PhysicalDevice* pd = array->GetRowPd(row);
            if (pd != nullptr && !pd->IsEnclosure() && listed.insert(pd).second)
                pdList_.Add(pd);
        }
    }
    listsBuilt_ = true;
}

int SnapShotRaidManager::GetPdList(List<PhysicalDevice*>** list)
{
    int status = LoadCfg();
    if (status != 0)
        return status;
    BuildMergedLists();
    *list = &pdList_;
    return 0;
}

PhysicalDevice* SnapShotRaidManager::GetPdByEnclSlot(const EnclSlotId& id)
{
    if (LoadDevices() != 0)
        return nullptr;
    for (const auto& device : devices_) {
        const PdData* data = device->GetData();
        if (!device->IsEnclosure() && data->GetEnclDeviceId() == id.GetEnclId() && data->GetSlotNumber() == id.GetSlot())
            return device.get();
    }
    return nullptr;
}

PhysicalDevice* SnapShotRaidManager::GetPdByDeviceId(u16 deviceId)
{
    if (LoadDevices() != 0)
        return nullptr;
    for (const auto& device : devices_)
        if (device->GetData()->GetDeviceId() == deviceId)
            return device.get();
    return nullptr;
}

int SnapShotRaidManager::GetPdCount(u16* count)
{
    int status = LoadDevices();
    if (status != 0)
        return status;
    *count = static_cast<u16>(std::count_if(entries_.begin(), entries_.end(), [](const PdListEntry& e) {
        return e.scsiType == PdListEntry::kScsiTypeDisk || e.scsiType == kScsiTypeTape;
    }));
    return 0;
}

int SnapShotRaidManager::GetUnassignedPdList(List<PhysicalDevice*>** list)
{
    int status = LoadCfg();
    if (status != 0)
        return status;
    if (!unassigned_) {
        auto unassigned = std::make_unique<ArrayList<PhysicalDevice*>>();
        for (const auto& device : devices_) {
            if (device->IsEnclosure() || cfg_->IsArrayMember(device->GetData()->GetDeviceId()))
                continue;
            u16 state = 0;
            status = device->GetFwState(&state);
            if (status != 0)
                return status;
            if (state == PhysicalDevice::kStateSystem || device->IsShieldedState(state))
                continue;
            unassigned->Add(device.get());
        }
        unassigned_ = std::move(unassigned);
    }
    *list = unassigned_.get();
    return 0;
}

int SnapShotRaidManager::GetUnconfiguredPdList(ArrayList<PhysicalDevice*>** list, u8 sataOnly)
{
    List<PhysicalDevice*>* unassigned = nullptr;
    int status = GetUnassignedPdList(&unassigned);
    if (status != 0)
        return status;
    struct Candidate {
        PhysicalDevice* pd;
        u64 size;
    };
    std::vector<Candidate> candidates;
    for (unsigned i = 0; i < unassigned->GetCount(); ++i) {
        PhysicalDevice* pd = unassigned->GetAt(static_cast<u8>(i));
        u8 good = 0;
        u8 type = 0;
        u64 size = 0;
        if ((status = pd->IsUnconfiguredGood(&good)) != 0 || (status = pd->GetPdType(&type)) != 0 ||
            (status = pd->GetCoercedSize(&size)) != 0)
            return status;
        if (good && (!sataOnly || type == PhysicalDevice::kTypeSata))
            candidates.push_back({pd, size});
    }
    if (candidates.empty())
        return kStatusNoPd;
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.size < b.size; });
    auto* result = new ArrayList<PhysicalDevice*>();
    for (const Candidate& c : candidates)
        result->Add(c.pd);
    *list = result;
    return 0;
}

int SnapShotRaidManager::GetVdCount(u8* count)
{
    if (!vdCountLoaded_) {
        std::vector<VdListEntry> entries;
        int status = data_->GetVdListEntries(&entries);
        if (status != 0)
            return status;
        vdCount_ = static_cast<u8>(entries.size());
        vdCountLoaded_ = true;
    }
    *count = vdCount_;
    return 0;
}

int SnapShotRaidManager::GetSscdCount(u8* count)
{
    int status = LoadCfg();
    if (status != 0)
        return status;
    List<VirtualDisk*>* vds = cfg_->GetVdList();
    u8 sscds = 0;
    for (unsigned i = 0; i < vds->GetCount(); ++i)
        if (vds->GetAt(static_cast<u8>(i))->IsSscd())
            ++sscds;
    *count = sscds;
    return 0;
}

int SnapShotRaidManager::GetVd(VdId* id, VirtualDisk** vd)
{
    if (id == nullptr || LoadCfg() != 0)
        return -1;
    auto* fwId = dynamic_cast<VdIdFwi*>(id);
    List<VirtualDisk*>* vds = cfg_->GetVdList();
    for (unsigned i = 0; i < vds->GetCount(); ++i) {
        VirtualDisk* candidate = vds->GetAt(static_cast<u8>(i));
        const VdIdFwi* own = candidate->GetId();
        if (fwId != nullptr) {
            if (own->GetFwTargetId() != fwId->GetFwTargetId())
                continue;
            if (fwId->GetSeqNum() != VdIdFwi::kAnySeqNum && fwId->GetSeqNum() != own->GetSeqNum())
                continue;
            fwId->SetSeqNum(own->GetSeqNum());
        } else if (own->GetTargetId() != id->GetTargetId()) {
            continue;
        }
        *vd = candidate;
        return 0;
    }
    return -1;
}

int SnapShotRaidManager::GetVdList(List<VirtualDisk*>** list)
{
    if (LoadCfg() != 0) {
        *list = nullptr;
        return -1;
    }
    *list = cfg_->GetVdList();
    return 0;
}

void SnapShotRaidManager::SortVdList(List<VirtualDisk*>* list)
{
    if (list != nullptr)
        list->Sort(CompareVdByTargetId);
}

int SnapShotRaidManager::GetVdPdList(List<PhysicalDevice*>* list, u8 targetId)
{
    if (list == nullptr || LoadCfg() != 0)
        return -1;
    List<VirtualDisk*>* vds = cfg_->GetVdList();
    for (unsigned i = 0; i < vds->GetCount(); ++i) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(i));
        if (vd->GetId()->GetTargetId() != targetId)
            continue;
        List<Span*>* spans = nullptr;
        if (vd->GetSpanList(&spans) != 0)
            return 0;
        for (unsigned s = 0; s < spans->GetCount(); ++s) {
            Array* array = nullptr;
            List<PhysicalDevice*>* pds = nullptr;
            if (spans->GetAt(static_cast<u8>(s))->GetArray(&array) != 0 || array->GetPdList(&pds) != 0)
                continue;
            for (unsigned p = 0; p < pds->GetCount(); ++p)
                list->Add(pds->GetAt(static_cast<u8>(p)));
        }
        return 0;
    }
    return -1;
}

bool SnapShotRaidManager::IsTargetIdInUse(u8 targetId, u8 /*flag*/)
{
    if (LoadCfg() != 0)
        return false;
    List<VirtualDisk*>* vds = cfg_->GetVdList();
    for (unsigned i = 0; i < vds->GetCount(); ++i)
        if (vds->GetAt(static_cast<u8>(i))->GetId()->GetTargetId() == targetId)
            return true;
    return false;
}

int SnapShotRaidManager::GetDiskGroupList(List<DiskGroup*>** list)
{
    if (LoadCfg() != 0)
        return -1;
    *list = cfg_->GetDgList();
    return 0;
}

int SnapShotRaidManager::LoadEnclosures()
{
    if (enclosuresLoaded_)
        return 0;
    int status = data_->GetEnclosureDeviceIds(&enclosureIds_);
    if (status != 0)
        return status;
    enclosuresLoaded_ = true;
    return 0;
}

int SnapShotRaidManager::GetSingleEnclDeviceId(u16* enclosureId)
{
    if (LoadEnclosures() != 0)
        return -1;
    if (enclosureIds_.empty()) {
        *enclosureId = EnclSlotId::kNoEnclosure;
        return 0;
    }
    if (enclosureIds_.size() > 1)
        return 1;
    // One enclosure: a drive connected without enclosure makes "the only enclosure" ambiguous,
    // and without the drive list that is not known.
    if (LoadDevices() != 0)
        return -1;
    for (const auto& device : devices_)
        if (!device->IsEnclosure() && device->GetData()->GetEnclDeviceId() == EnclSlotId::kNoEnclosure)
            return 2;
    *enclosureId = enclosureIds_.front();
    return 0;
}
