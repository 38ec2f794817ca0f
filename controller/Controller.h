// One detected controller: its id, PCI identity and data providers.
#pragma once
#include <memory>
#include <vector>

#include "ZepUtil/Types.h"
#include "controller/DataProvider.h"

class ControllerId {
public:
    ControllerId(u32 libraryId, u8 adapterNumber) : libraryId_(libraryId), adapterNumber_(adapterNumber) {}
    // The number the command layer gave the controller; every message prints it.
    u8 GetAdapterNumber() const { return adapterNumber_; }
    // The controller's id in the controller-access library.
    u32 GetLibraryId() const { return libraryId_; }

private:
    u32 libraryId_;
    u8 adapterNumber_;
};

struct PciIdentity {
    u16 vendor = 0;
    u16 device = 0;
    u16 subVendor = 0;
    u16 subDevice = 0;
    u8 bus = 0;
    u8 dev = 0;
    u8 fn = 0;
};

class Controller {
public:
    Controller(const ControllerId& id, const PciIdentity& pci);
    virtual ~Controller();

    const ControllerId& GetControllerId() const { return id_; }
    const PciIdentity& GetPciIdentity() const { return pci_; }

    // Stamps the controller's id into the request and runs it on the first provider that accepts
    // its kind: 0, the firmware status, a transport status (-1), or -1 when no provider
    // accepts the kind. Records the outcome in FwiDpErrors.
    int Execute(DpParams& request);

    // 0 after the controller detector filled the 112-byte PCI information block; otherwise its
    // answer (255: the detector offers no PCI information), the block as it was.
    int GetPciInfo(u8* block112);

    void AddDataProvider(std::unique_ptr<DataProvider> provider);

private:
    ControllerId id_;
    PciIdentity pci_;
    std::vector<std::unique_ptr<DataProvider>> providers_;
};
