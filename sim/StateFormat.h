// The state file's JSON form of the model. Reading validates as it goes and throws StateError
// naming the field; writing gives the canonical form (every field, in a fixed order).
#pragma once
#include <string>
#include <vector>

#include "JsonReader.h"

namespace sim {

constexpr u64 kStateFormat = 1;
constexpr std::size_t kMaxControllers = 64;

SimModel ReadState(const Json& root);
Json WriteState(const SimModel& model);

// Sections, each in its own file.
void ReadControllerSettings(ObjectReader& reader, Controller& controller);  // ControllerJson.cpp
void WriteControllerSettings(const Controller& controller, Json& out);
void ReadTopology(ObjectReader& reader, Controller& controller);  // TopologyJson.cpp
void WriteTopology(const Controller& controller, Json& out);
std::vector<Fault> ReadFaults(const Json& value, const std::string& path);  // RequestRulesJson.cpp
Json WriteFaults(const std::vector<Fault>& faults);
std::vector<Patch> ReadPatches(const Json& value, const std::string& path);
Json WritePatches(const std::vector<Patch>& patches);

// Cross-references within one controller's topology (StateCheck.cpp).
void CheckTopology(const Controller& controller, const std::string& path);

}  // namespace sim
