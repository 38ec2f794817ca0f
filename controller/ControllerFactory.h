// Creates the controller object for a PCI identity through a registry of controller classes.
#pragma once
#include <memory>
#include <vector>

#include "ZepUtil/Types.h"
#include "controller/Controller.h"

using ControllerCreator = std::unique_ptr<Controller> (*)(const ControllerId& id, const PciIdentity& pci);

class ControllerFactory {
public:
    // The factory, with a class registered for every supported device.
    static ControllerFactory& Instance();

    // A later registration for the same ids replaces the earlier one.
    void Register(u16 vendor, u16 device, ControllerCreator creator);

    // The controller for the PCI ids, or null when no class is registered for them.
    std::unique_ptr<Controller> Create(const ControllerId& id, const PciIdentity& pci) const;

private:
    ControllerFactory();

    struct Entry {
        u16 vendor;
        u16 device;
        ControllerCreator creator;
    };
    std::vector<Entry> entries_;
};
