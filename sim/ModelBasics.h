// Building blocks shared by the model headers.
#pragma once
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "Bytes.h"

namespace sim {

using Json = nlohmann::ordered_json;

constexpr u16 kSimPciVendor = 0x7A4B;
constexpr u16 kSimPciDevice = 0x0001;
constexpr u16 kNoEnclosure = 0xFFFF;  // a directly attached drive
constexpr u16 kMissingRow = 0xFFFF;   // an array row whose drive is missing

// Sets of named bits (capabilities, interfaces, conditions, ...), written as lists of names.
using NameSet = std::set<std::string>;

}  // namespace sim
