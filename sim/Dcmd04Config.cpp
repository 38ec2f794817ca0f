// DCMDs of family 0x04: configuration (read, add, clear, hot spares, foreign configurations).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> ConfigurationRoutes() { return {}; }

}  // namespace sim
