#include "raidmodel/RaidManager.h"

#include <memory>
#include <vector>

#include "fwdata/AdapterDataFwi.h"
#include "fwdata/RmDataFwi.h"
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
    if (table.size() >= kMaxManagers)
        return nullptr;
    table.push_back(std::make_unique<SnapShotRaidManager>(controller, std::make_unique<RmDataFwi>(controller),
                                                          std::make_unique<AdapterDataFwi>(controller)));
    return table.back().get();
}

void RaidManager::ClearAll() { Table().clear(); }
