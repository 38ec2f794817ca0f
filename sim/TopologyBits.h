// Named bits of the topology's records: a drive's security flags, a PHY's protocols and the
// battery's conditions. The
// state file lists the names; the encoders set the bits (offsets within the field's bytes).
#pragma once
#include <span>

#include "NamedBits.h"

namespace sim {

std::span<const NamedBit> DriveSecurityBits();  // drive record byte 368
std::span<const NamedBit> PhyProtocolBits();    // PHY list entry bytes 12 (bits 3-7) and 13
std::span<const NamedBit> BatteryConditionBits();  // battery status u32 at byte 8 (bits 0-17)

}  // namespace sim
