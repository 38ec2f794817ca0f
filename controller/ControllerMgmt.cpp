#include "controller/ControllerMgmt.h"

#include <algorithm>

#include "controller/ControllerFactory.h"
#include "controller/VqControllerExplorer.h"

namespace {
// Adapter numbers above this cannot be named on the command line.
constexpr std::size_t kMaxControllers = 250;
}  // namespace

ControllerMgmt& ControllerMgmt::Instance()
{
    static ControllerMgmt mgmt;
    return mgmt;
}

int ControllerMgmt::Discover()
{
    if (discovered_)
        return discoverStatus_;
    discovered_ = true;
    controllers_.clear();

    std::vector<ListedController> listed;
    VqControllerExplorer explorer;
    discoverStatus_ = explorer.ListControllers(listed);
    if (discoverStatus_ != 0)
        return discoverStatus_;

    for (const ListedController& entry : listed) {
        if (controllers_.size() >= kMaxControllers)
            break;
        if (!IsSupportedDevice(entry.pci.vendor, entry.pci.device))
            continue;
        const ControllerId id(entry.libraryId, static_cast<u8>(controllers_.size()));
        if (auto controller = ControllerFactory::Instance().Create(id, entry.pci))
            controllers_.push_back(std::move(controller));
    }
    return 0;
}

u8 ControllerMgmt::GetControllerCount()
{
    Discover();
    return static_cast<u8>(controllers_.size());
}

Controller* ControllerMgmt::GetController(u8 adapterNumber)
{
    Discover();
    for (const auto& controller : controllers_) {
        if (controller->GetControllerId().GetAdapterNumber() == adapterNumber)
            return controller.get();
    }
    return nullptr;
}

const std::vector<std::unique_ptr<Controller>>& ControllerMgmt::GetControllers()
{
    Discover();
    return controllers_;
}

void ControllerMgmt::Release()
{
    controllers_.clear();
    discovered_ = false;
    discoverStatus_ = 0;
}

void ControllerMgmt::SetControllersForTest(std::vector<std::unique_ptr<Controller>> controllers)
{
    controllers_ = std::move(controllers);
    discovered_ = true;
    discoverStatus_ = 0;
}
