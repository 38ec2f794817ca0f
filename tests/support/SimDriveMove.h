// Drives moved between the controllers of a state file, as an administrator moves them: the
// simulated controller's own rule (sim/DriveMove.h) applied to the state.
#pragma once
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "sim/DriveMove.h"

// The state after the move; a failed move fails the test and returns the state unchanged.
nlohmann::json MoveDrives(const nlohmann::json& state, unsigned from, unsigned to,
                          const std::vector<sim::DriveMove>& moves);
