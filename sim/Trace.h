// The request log: with DRIVEKIT_SIM_TRACE=file, one line per request is appended to the file.
#pragma once
#include "Requests.h"

namespace sim {

// `packet` is null for a packet whose header could not be trusted. `mailbox` is the mailbox
// as the caller sent it.
void TraceRequest(Packet* packet, const Mailbox& mailbox, const Outcome& outcome);

}  // namespace sim
