// Sets of named bits: a state file lists the names ("capabilities": ["spanning", ...]) and the
// encoder sets each name's bit. A bit marked inverted is set when its name is NOT listed.
#pragma once
#include <span>
#include <string>

#include "JsonReader.h"

namespace sim {

struct NamedBit {
    const char* name;
    u32 offset;  // byte offset in the block
    u8 bit;
    bool inverted;
};

// Reads a list of names; every name must be in the table.
NameSet ReadNameSet(const JsonValue& value, const std::string& path, std::span<const NamedBit> table);
// The names in table order.
Json WriteNameSet(const NameSet& names, std::span<const NamedBit> table);
void EncodeNameSet(ByteSpan& block, const NameSet& names, std::span<const NamedBit> table);

}  // namespace sim
