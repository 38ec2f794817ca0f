#include <algorithm>

#include "controller/ControllerMgmt.h"

namespace {
constexpr SupportedDevice kSupportedDevices[] = {
    {0x7A4B, 0x0001},
    {0x7A4B, 0x0002},
    {0x7A4B, 0x0003},
};
}  // namespace

std::span<const SupportedDevice> SupportedDevices() { return kSupportedDevices; }

bool IsSupportedDevice(u16 vendor, u16 device)
{
    return std::any_of(std::begin(kSupportedDevices), std::end(kSupportedDevices),
                       [&](const SupportedDevice& d) { return d.vendor == vendor && d.device == device; });
}
