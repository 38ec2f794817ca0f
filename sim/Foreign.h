// Foreign configurations: the configurations that drives of the controller carry from another
// controller (Controller::foreign). The controller numbers them from 0 in the order of the
// state file, followed by one for each foreign drive that carries no configuration (in
// device-id order). Requests read one as its drives carry it, preview what importing one (or
// all) would add, import and clear them, and unlock their secured drives with an escrow key.
// The rules and statuses are documented in docs/firmware-interface.md, "Foreign configurations".
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "Model.h"

namespace sim {

constexpr u8 kAllForeignConfigs = 0xFF;  // the index that names all of them at once

// One foreign configuration as the controller numbers it.
struct ForeignSet {
    std::optional<std::size_t> entry;  // its position in Controller::foreign; none for a lone drive
    u16 loneDrive = 0;                 // the foreign drive that carries no configuration
};

std::vector<ForeignSet> ForeignSets(const Controller& controller);
// The drives that carry the set: the members of its arrays and its spares.
std::vector<u16> DrivesOf(const Controller& controller, const ForeignSet& set);
// The drives a configuration names: the members of its arrays (present ones) and its spares.
std::vector<u16> NamedDrives(const Configuration& config);

// The configuration image of foreign configuration `index` as its drives carry it. 0, or 31.
u32 EncodeForeignAsFound(const Controller& controller, u64 now, u8 index, Block& image);
// The records importing `index` (or every one that can be imported, kAllForeignConfigs) would
// add to the controller's configuration. 0, 31, or 3 for all at once without that capability.
u32 EncodeForeignPreview(const Controller& controller, u64 now, u8 index, Block& image);

// Imports foreign configuration `index`, or every one that can be (kAllForeignConfigs). 0, or
// the status that refuses it with the controller unchanged.
u32 ImportForeign(Controller& controller, u64 now, u8 index);
// The drives of foreign configuration `index` forget it. 0, or 31.
u32 ClearForeign(Controller& controller, u64 now, u8 index);
// Unlocks the locked drives of the foreign configurations locked with `key`. 0, 73 without
// drive security, 66 when no foreign configuration is locked with the key.
u32 UnlockForeign(Controller& controller, u64 now, const std::string& key);

}  // namespace sim
