// DCMDs of family 0x05: the battery backup unit (status, design, properties, learn cycles).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> BatteryRoutes() { return {}; }

}  // namespace sim
