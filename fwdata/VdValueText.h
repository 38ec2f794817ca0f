// Texts of virtual-drive record values (vdrec::), the one home of each. Where two reports name a
// value differently, each report's words are a function of their own here.
#pragma once
#include <string>

#include "ZepUtil/Types.h"

// The state (vdrec::kState*) as the virtual-drive information block names it: "Offline",
// "Partially Degraded", "Degraded", "Optimal", else "Unknown".
const char* VdStateText(u8 state);

// The state as the summary names it: a state code beyond the known ones counts as "Optimal".
const char* VdSummaryStateText(u8 state);

// The state as the all-in-one log names it: "OFFLINE", "PARTIALLY DEGRADED", "DEGRADED",
// "OPTIMAL", else "Undefined; val = 0x<state>" with a line end.
std::string VdLogStateText(u8 state);
