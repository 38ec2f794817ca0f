// The "flash" object of a controller in the state file: the board signature and the size of the
// image committed last (a download in progress is never saved).
#pragma once
#include "JsonReader.h"

namespace sim {

void ReadFlash(ObjectReader& reader, FlashRegion& flash);
Json WriteFlash(const FlashRegion& flash);

}  // namespace sim
