// The controller properties (the current settings): the 64-byte block of DCMD 0x01020100 (read)
// and 0x01020200 (write), which the controller information block also carries from byte 1536.
// One row per field with its state-file name and its place in the block; bytes no row names
// are reserved.
#pragma once
#include "BlockFields.h"

namespace sim {

using PropertiesField = BlockField<ControllerProperties>;

std::span<const PropertiesField> PropertiesFields();

}  // namespace sim
