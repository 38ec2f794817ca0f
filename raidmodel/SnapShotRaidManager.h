// The RaidManager that keeps a snapshot of the controller's model, read through the firmware
// data objects.
#pragma once
#include <memory>

#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmData.h"

class SnapShotRaidManager : public RaidManager {
public:
    SnapShotRaidManager(Controller* controller, std::unique_ptr<RmData> data, std::unique_ptr<AdapterData> adapterData);

    int Refresh() override;
    int GetAdapter(Adapter** adapter) override;
    int RefreshAdapter() override;
    int GetSingleEnclDeviceId(u16* enclosureId) override;
    Controller* GetController() const override { return controller_; }

private:
    Adapter* AdapterElement();

    Controller* controller_;
    std::unique_ptr<RmData> data_;
    std::unique_ptr<AdapterData> pendingAdapterData_;
    std::unique_ptr<Adapter> adapter_;
};
