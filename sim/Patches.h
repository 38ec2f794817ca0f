// Patches: bytes a test sets in an encoded reply just before it is returned. A patch applies
// to the requests it names (function, controller, opcode, and optionally mailbox byte 0 or the
// device id in mailbox bytes 0-1); one that does not fit inside the reply is ignored. A patch
// may also cut the reply to a length, as a controller that answers short would.
#pragma once
#include <vector>

#include "RequestKey.h"

namespace sim {

void ApplyPatches(const std::vector<Patch>& patches, const RequestKey& key, Block& reply);

}  // namespace sim
