// DCMDs of family 0x0A: drive performance monitoring (state, statistics, control).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> DpmRoutes() { return {}; }

}  // namespace sim
