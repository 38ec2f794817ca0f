// The state-file fields of a controller's current settings ("properties").
#pragma once
#include <span>

#include "FieldTable.h"

namespace sim {

std::span<const FieldDef<ControllerProperties>> PropertiesFields();

}  // namespace sim
