// The foreign configurations and the saved configuration of the snapshot manager.
#include <memory>
#include <set>

#include "dataif/VdData.h"
#include "raidmodel/RmCfg.h"
#include "raidmodel/SnapShotRaidManager.h"

namespace {

constexpr u8 kAllForeign = 255;

}  // namespace

int SnapShotRaidManager::GetForeignCfgCount(u8* count)
{
    *count = 0;
    u32 found = 0;
    const int status = data_->ScanForeign(&found);
    if (status != 0)
        return status;
    // An index is 8 bits with 255 for all: a larger count is more than can be named.
    *count = static_cast<u8>(found < kAllForeign ? found : kAllForeign - 1);
    return 0;
}

int SnapShotRaidManager::GetForeignCfg(RmCfg** cfg, u8 index, u8 preview)
{
    *cfg = nullptr;
    if (index == kAllForeign) {
        Adapter* adapter = AdapterElement();
        u8 all = 0;
        if (adapter == nullptr || adapter->IsForeignCfgImportAllSupported(&all) != 0 || all == 0)
            return -1;
    }
    std::vector<u8> image;
    int status = data_->ReadForeignImage(index, preview != 0, &image);
    if (status != 0)
        return status;
    CfgData parsed;
    if (data_->ParseDetachedCfgImage(ByteView(image), &parsed) != 0)
        return -1;
    // A configuration without virtual drives and spares gives no snapshot.
    if (parsed.vds.empty() && parsed.spares.empty())
        return 0;
    auto snapshot = std::make_unique<RmCfg>();
    if (snapshot->BuildWithMissingSpans(this, std::move(parsed)) != 0)
        return -1;
    *cfg = snapshot.release();
    return 0;
}

int SnapShotRaidManager::GetForeignCfgPdList(ArrayList<PhysicalDevice*>* list)
{
    std::vector<u8> image;
    int status = data_->ReadForeignImage(kAllForeign, true, &image);
    if (status != 0)
        return status;
    CfgData parsed;
    if (data_->ParseDetachedCfgImage(ByteView(image), &parsed) != 0)
        return -1;
    std::set<u16> imported;
    for (const ArrayData& array : parsed.arrays)
        for (const ArrayRowData& row : array.rows)
            imported.insert(row.deviceId);
    for (const SpareData& spare : parsed.spares)
        imported.insert(spare.deviceId);
    if ((status = LoadDevices()) != 0)
        return status;
    for (const auto& device : devices_) {
        if (device->IsEnclosure())
            continue;
        // A drive whose record cannot be read may be one that stays foreign: the list is not
        // known without it.
        u8 foreign = 0;
        if ((status = device->IsForeign(&foreign)) != 0)
            return status;
        if (foreign == 0)
            continue;
        if (imported.count(device->GetData()->GetDeviceId()) == 0)
            list->Add(device.get());
    }
    return 0;
}

int SnapShotRaidManager::ImportForeignCfg(u8 index)
{
    if (index == kAllForeign) {
        Adapter* adapter = AdapterElement();
        u8 all = 0;
        if (adapter == nullptr || adapter->IsForeignCfgImportAllSupported(&all) != 0 || all == 0)
            return -1;
    }
    const int status = data_->ImportForeign(index);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}

int SnapShotRaidManager::ClearForeignCfg(u8 index)
{
    u8 count = 0;
    if (GetForeignCfgCount(&count) != 0 || index >= count)
        return -1;
    const int status = data_->ClearForeign(index);
    if (status == 0)
        RetireSnapshot();
    return status;
}

int SnapShotRaidManager::SaveConfigToFile(const char* fileName)
{
    if (fileName == nullptr || *fileName == '\0')
        return -1;
    return data_->SaveCfgToFile(fileName);
}

int SnapShotRaidManager::RestoreConfigFromFile(const char* fileName)
{
    if (fileName == nullptr || *fileName == '\0')
        return -1;
    // The configuration goes back onto the drives it was saved from: each must be on the
    // controller, and is named by its present sequence number.
    const auto currentSeq = [this](u16 deviceId, u16* seqNum) {
        PhysicalDevice* pd = GetPdByDeviceId(deviceId);
        return pd != nullptr && !pd->IsEnclosure() && pd->GetSeqNum(seqNum) == 0;
    };
    const int status = data_->RestoreCfgFromFile(fileName, currentSeq);
    if (ControllerChanged(status))
        RetireSnapshot();
    return status;
}
