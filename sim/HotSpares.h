// Hot spares: an unconfigured-good drive becomes a global spare or one dedicated to arrays
// (make hot spare, 0x04040000, and the spare records of a configuration write), and a spare
// goes back to unconfigured good (remove hot spare, 0x04050000). Each answers 0 or the status
// that refuses it, with the controller unchanged.
#pragma once
#include "ConfigImageDecode.h"

namespace sim {

u32 MakeHotSpare(Controller& controller, u64 now, const ImageSpare& request);
// The drive by device id and sequence number (mailbox bytes 0-1 and 2-3).
u32 RemoveHotSpare(Controller& controller, u64 now, u16 deviceId, u16 seq);

}  // namespace sim
