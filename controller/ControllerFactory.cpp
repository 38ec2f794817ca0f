#include "controller/ControllerFactory.h"

#include "controller/ControllerMgmt.h"
#include "controller/DrivekitDp.h"

namespace {

// Every supported controller is reached through the controller-access library.
std::unique_ptr<Controller> CreateLibraryController(const ControllerId& id, const PciIdentity& pci)
{
    auto controller = std::make_unique<Controller>(id, pci);
    controller->AddDataProvider(std::make_unique<DrivekitFwiDp>());
    return controller;
}

}  // namespace

ControllerFactory& ControllerFactory::Instance()
{
    static ControllerFactory factory;
    return factory;
}

ControllerFactory::ControllerFactory()
{
    for (const SupportedDevice& device : SupportedDevices())
        Register(device.vendor, device.device, CreateLibraryController);
}

void ControllerFactory::Register(u16 vendor, u16 device, ControllerCreator creator)
{
    for (Entry& entry : entries_) {
        if (entry.vendor == vendor && entry.device == device) {
            entry.creator = creator;
            return;
        }
    }
    entries_.push_back({vendor, device, creator});
}

std::unique_ptr<Controller> ControllerFactory::Create(const ControllerId& id, const PciIdentity& pci) const
{
    for (const Entry& entry : entries_) {
        if (entry.vendor == pci.vendor && entry.device == pci.device)
            return entry.creator != nullptr ? entry.creator(id, pci) : nullptr;
    }
    return nullptr;
}
