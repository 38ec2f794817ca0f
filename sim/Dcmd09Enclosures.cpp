// DCMDs of family 0x09: enclosures (enclosure list).
// No request of this family is answered yet; each one gets "invalid opcode".
#include "Dcmd.h"

namespace sim {

std::span<const DcmdRoute> EnclosureRoutes() { return {}; }

}  // namespace sim
