// The named bits of the controller information block, by the list of the state file that
// holds their names.
#pragma once
#include <span>

#include "NamedBits.h"

namespace sim {

std::span<const NamedBit> HostInterfaceBits();
std::span<const NamedBit> DeviceInterfaceBits();
std::span<const NamedBit> HardwarePresentBits();
std::span<const NamedBit> RaidLevelBits();
std::span<const NamedBit> DriveSupportBits();
std::span<const NamedBit> CapabilityBits();
std::span<const NamedBit> StatusFlagBits();

}  // namespace sim
