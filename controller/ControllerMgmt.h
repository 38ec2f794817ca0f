// Controller discovery: the library's controller list, filtered by the supported-device list
// and numbered 0, 1, 2... in list order.
#pragma once
#include <memory>
#include <span>
#include <vector>

#include "ZepUtil/Types.h"
#include "controller/Controller.h"

class ControllerMgmt {
public:
    static ControllerMgmt& Instance();

    // Discovers the controllers on first call; later calls answer from the first result.
    // 0, or -1 when the library is missing or its list cannot be read (no controller then).
    // The getters below discover first when nothing has been discovered yet.
    int Discover();

    u8 GetControllerCount();
    // The controller with that adapter number, or null.
    Controller* GetController(u8 adapterNumber);
    // All controllers in adapter-number order.
    const std::vector<std::unique_ptr<Controller>>& GetControllers();

    // Deletes the controllers; the next Discover lists them again.
    void Release();

    // Test seam: use these controllers instead of discovering (takes ownership).
    void SetControllersForTest(std::vector<std::unique_ptr<Controller>> controllers);

private:
    ControllerMgmt() = default;
    bool discovered_ = false;
    int discoverStatus_ = 0;
    std::vector<std::unique_ptr<Controller>> controllers_;
};

// The PCI ids the tool supports.
struct SupportedDevice {
    u16 vendor;
    u16 device;
};
std::span<const SupportedDevice> SupportedDevices();
bool IsSupportedDevice(u16 vendor, u16 device);
