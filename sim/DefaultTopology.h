// The controller a new user meets: the state written when no state file exists.
#pragma once
#include "Model.h"

namespace sim {

SimModel DefaultModel();

}  // namespace sim
