// Building blocks shared by the model headers.
#pragma once
#include <algorithm>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

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

// Whether the list holds the value (a list of array references, of target ids, ...).
template <class T>
bool Contains(const std::vector<T>& list, const std::type_identity_t<T>& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace sim
