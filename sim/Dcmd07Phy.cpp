// DCMDs of family 0x07: PHYs and connectors (PHY list, connector list, PHY error log, link speed).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> PhyRoutes() { return {}; }

}  // namespace sim
