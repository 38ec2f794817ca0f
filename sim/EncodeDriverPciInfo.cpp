// The kernel driver's PCI information (driver request 0xF0010200, 112 bytes).
#include "Encoders.h"

namespace sim {

Block EncodeDriverPciInfo(const PciIdentity& pci)
{
    constexpr u32 kBus = 0;         // u32
    constexpr u32 kDevice = 4;      // u8
    constexpr u32 kFunction = 5;    // u8
    constexpr u32 kVendorId = 8;    // u16
    constexpr u32 kDeviceId = 10;   // u16
    constexpr u32 kSubVendorId = 12;  // u16
    constexpr u32 kSubDeviceId = 14;  // u16
    Block block(112);
    block.PutU32(kBus, pci.bus);
    block.PutU8(kDevice, pci.dev);
    block.PutU8(kFunction, pci.fn);
    block.PutU16(kVendorId, pci.vendor);
    block.PutU16(kDeviceId, pci.device);
    block.PutU16(kSubVendorId, pci.subVendor);
    block.PutU16(kSubDeviceId, pci.subDevice);
    return block;
}

}  // namespace sim
