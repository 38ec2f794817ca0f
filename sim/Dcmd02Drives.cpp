// DCMDs of family 0x02: drives (drive list, drive information, state changes, progress, ...).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> DriveRoutes() { return {}; }

}  // namespace sim
