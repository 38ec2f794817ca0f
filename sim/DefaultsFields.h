// The 72-byte controller defaults block (DCMD 0x010E0201 read, 0x010E0202 write): one row per
// field with its state-file name and its place in the block. Bytes no row names are reserved:
// they read as zero and are ignored on a write.
#pragma once
#include <span>

#include "FieldTable.h"

namespace sim {

constexpr u32 kDefaultsSize = 72;

struct DefaultsField {
    FieldDef<ControllerDefaults> field;
    u32 offset;
    u8 width;  // bytes of a whole-byte field
    u8 shift;  // a bit field: its lowest bit within the byte at `offset`
    u8 bits;   // a bit field: its width in bits; 0 for a whole-byte field
};

std::span<const DefaultsField> DefaultsFields();

}  // namespace sim
