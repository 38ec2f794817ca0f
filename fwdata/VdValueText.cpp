#include "fwdata/VdValueText.h"

#include "ZepUtil/QuickFormat.h"
#include "fwdata/layout/VdRecord.h"

const char* VdStateText(u8 state)
{
    switch (state) {
    case vdrec::kStateOffline:
        return "Offline";
    case vdrec::kStatePartiallyDegraded:
        return "Partially Degraded";
    case vdrec::kStateDegraded:
        return "Degraded";
    case vdrec::kStateOptimal:
        return "Optimal";
    default:
        return "Unknown";
    }
}

const char* VdSummaryStateText(u8 state)
{
    switch (state) {
    case vdrec::kStateOffline:
    case vdrec::kStatePartiallyDegraded:
    case vdrec::kStateDegraded:
        return VdStateText(state);
    default:
        return VdStateText(vdrec::kStateOptimal);  // the summary takes an unknown state for optimal
    }
}

std::string VdLogStateText(u8 state)
{
    switch (state) {
    case vdrec::kStateOffline:
        return "OFFLINE";
    case vdrec::kStatePartiallyDegraded:
        return "PARTIALLY DEGRADED";
    case vdrec::kStateDegraded:
        return "DEGRADED";
    case vdrec::kStateOptimal:
        return "OPTIMAL";
    default: {
        char text[32];
        QuickFormat(text, sizeof text, "Undefined; val = 0x%X\n", state);
        return text;
    }
    }
}
