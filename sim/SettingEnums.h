// Names of the coded settings that the state file writes as words.
#pragma once
#include <span>

#include "FieldTable.h"

namespace sim {

std::span<const EnumName> CoercionNames();        // 0 none, 1 128 MB, 2 1 GB
std::span<const EnumName> BackplaneNames();       // 0 SGPIO and i2c SEP, 1 i2c SEP, 2 SGPIO, 3 none
std::span<const EnumName> WritePolicyNames();     // 0 write-through, 1 write-back, 2 adaptive
std::span<const EnumName> ReadPolicyNames();      // 0 none, 1 read-ahead, 2 adaptive
std::span<const EnumName> SmartModeNames();       // 0 mode 6, 1 disabled, 2 mode 2
std::span<const EnumName> SpinDownModeNames();    // 0 none, 1 internal, 2 external, 3 both
std::span<const EnumName> DeviceTypeNames();      // 0 SAS/SATA mix, 1 SAS only, 2 SATA only
std::span<const EnumName> UncertifiedNames();     // 0 block, 1 allow, 2 warn and allow
std::span<const EnumName> VdsPerArrayNames();     // 0 sixteen, 1 sixty-four

}  // namespace sim
