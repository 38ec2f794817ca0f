#include "raidmodel/SnapShotRaidManager.h"

#include <vector>

#include "raidmodel/ids/EnclSlotId.h"

SnapShotRaidManager::SnapShotRaidManager(Controller* controller, std::unique_ptr<RmData> data,
                                         std::unique_ptr<AdapterData> adapterData)
    : controller_(controller), data_(std::move(data)), pendingAdapterData_(std::move(adapterData))
{
}

Adapter* SnapShotRaidManager::AdapterElement()
{
    if (!adapter_ && pendingAdapterData_)
        adapter_ = std::make_unique<Adapter>(std::move(pendingAdapterData_));
    return adapter_.get();
}

int SnapShotRaidManager::Refresh() { return RefreshAdapter(); }

int SnapShotRaidManager::RefreshAdapter()
{
    Adapter* adapter = AdapterElement();
    return adapter ? adapter->Refresh() : -1;
}

int SnapShotRaidManager::GetAdapter(Adapter** adapter)
{
    if (AdapterElement() == nullptr)
        return -1;
    const u8* info = nullptr;
    int status = adapter_->GetControllerInfo(&info);
    if (status != 0)
        return status;
    *adapter = adapter_.get();
    return 0;
}

int SnapShotRaidManager::GetSingleEnclDeviceId(u16* enclosureId)
{
    std::vector<u16> ids;
    if (data_->GetEnclosureDeviceIds(&ids) != 0)
        return -1;
    if (ids.empty()) {
        *enclosureId = EnclSlotId::kNoEnclosure;
        return 0;
    }
    if (ids.size() > 1)
        return 1;
    *enclosureId = ids.front();
    return 0;
}
