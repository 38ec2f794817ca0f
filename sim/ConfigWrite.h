// A configuration write (0x04020000) applied as firmware applies it: the image is checked as a
// whole against the controller (drives, arrays, levels, sizes, limits, spares) and then added:
// new arrays take their drives online, each virtual drive gets the lowest free target id, a
// sequence number and its extents, spares are made, and every change is logged. A refusal
// leaves the controller as it was. The rules and statuses are documented in
// docs/firmware-interface.md, "Configuration changes".
#pragma once
#include <vector>

#include "ConfigImageDecode.h"

namespace sim {

// `newTargets` receives the target ids of the new virtual drives, in image order.
u32 ApplyConfigWrite(Controller& controller, u64 now, const ConfigImage& image, std::vector<u8>& newTargets);

}  // namespace sim
