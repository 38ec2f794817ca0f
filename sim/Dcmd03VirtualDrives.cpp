// DCMDs of family 0x03: virtual drives (list, information, properties, operations).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> VirtualDriveRoutes() { return {}; }

}  // namespace sim
