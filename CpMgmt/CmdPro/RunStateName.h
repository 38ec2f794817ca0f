// The state of patrol read and of the scheduled consistency check as their reports name it.
#pragma once
#include "ZepUtil/Types.h"

// "Stopped" (0), "Ready" (1), "Active" (2), "Aborted" (255); null for another state.
const char* RunStateName(u8 state);
