// The 72-byte controller defaults block (DCMD 0x010E0201 read, 0x010E0202 write): one row per
// field with its state-file name and its place in the block. Bytes no row names are reserved:
// they read as zero and are ignored on a write.
#pragma once
#include "BlockFields.h"

namespace sim {

constexpr u32 kDefaultsSize = 72;

using DefaultsField = BlockField<ControllerDefaults>;

std::span<const DefaultsField> DefaultsFields();

}  // namespace sim
