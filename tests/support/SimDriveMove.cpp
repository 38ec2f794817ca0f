#include "support/SimDriveMove.h"

#include <gtest/gtest.h>

#include "sim/StateFormat.h"

nlohmann::json MoveDrives(const nlohmann::json& state, unsigned from, unsigned to,
                          const std::vector<sim::DriveMove>& moves)
{
    std::string text = state.dump();
    sim::SimModel model;
    try {
        sim::ReadJson(text, [&](const sim::JsonValue& root) { model = sim::ReadState(root); });
    } catch (const sim::StateError& fault) {
        ADD_FAILURE() << "state not readable: " << fault.what();
        return state;
    }
    const std::string fault = sim::MoveDrives(model, from, to, moves);
    if (!fault.empty()) {
        ADD_FAILURE() << "drives not moved: " << fault;
        return state;
    }
    return nlohmann::json::parse(sim::WriteState(model).dump());
}
