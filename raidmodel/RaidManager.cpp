#include "raidmodel/RaidManager.h"

#include <memory>
#include <vector>

#include "dataif/AdapterData.h"
#include "dataif/DataLayer.h"
#include "dataif/RmData.h"
#include "raidmodel/SnapShotRaidManager.h"

namespace {
std::vector<std::unique_ptr<RaidManager>>& Table()
{
    static std::vector<std::unique_ptr<RaidManager>> table;
    return table;
}
}  // namespace

RaidManager* RaidManager::GetRaidManager(Controller* controller)
{
    if (controller == nullptr)
        return nullptr;
    auto& table = Table();
    for (auto& manager : table)
        if (manager->GetController() == controller)
            return manager.get();
    const DataLayer* layer = DataLayer::Get();
    if (table.size() >= kMaxManagers || layer == nullptr)
        return nullptr;
    table.push_back(std::make_unique<SnapShotRaidManager>(controller, layer->CreateRmData(controller),
                                                          layer->CreateAdapterData(controller)));
    return table.back().get();
}

void RaidManager::ClearAll() { Table().clear(); }
