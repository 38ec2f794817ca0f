#include "fwdata/PdValueText.h"

#include "fwdata/layout/PdRecord.h"

const char* PdInterfaceText(u8 type)
{
    switch (type) {
    case pdrec::kInterfaceParallelScsi:
        return "Parallel SCSI";
    case pdrec::kInterfaceSas:
        return "SAS";
    case pdrec::kInterfaceSata:
        return "SATA";
    case pdrec::kInterfaceFc:
        return "FC";
    default:
        return "Unknown";
    }
}

const char* PdSpeedText(u8 code)
{
    switch (code) {
    case pdrec::kSpeed1_5G:
        return "1.5Gb/s";
    case pdrec::kSpeed3G:
        return "3.0Gb/s";
    case pdrec::kSpeed6G:
        return "6.0Gb/s";
    case pdrec::kSpeed12G:
        return "12.0Gb/s";
    default:
        return "Unknown";
    }
}

const char* PdStateText(u16 state, bool spunDown)
{
    switch (state) {
    case pdrec::kStateUnconfiguredGood:
        return spunDown ? "Unconfigured(good), Spun down" : "Unconfigured(good), Spun Up";
    case pdrec::kStateUnconfiguredBad:
        return "Unconfigured(bad)";
    case pdrec::kStateHotSpare:
        return "Hotspare";
    case pdrec::kStateOffline:
        return "Offline";
    case pdrec::kStateFailed:
        return "Failed";
    case pdrec::kStateRebuild:
        return "Rebuild";
    case pdrec::kStateOnline:
        return "Online";
    case pdrec::kStateCopyback:
        return "Copyback";
    case pdrec::kStateSystem:
        return "JBOD";
    case pdrec::kStateShielded:
        return "Shielded";
    case pdrec::kStateShieldedUnconfigured:
        return "Unconfigured(good), Shielded";
    case pdrec::kStateShieldedHotSpare:
        return "Hotspare, Shielded";
    default:
        return "Unknown";
    }
}

const char* PdLogStateText(u16 state, bool spunDown)
{
    switch (state) {
    case pdrec::kStateSystem:
    case pdrec::kStateShielded:
    case pdrec::kStateShieldedUnconfigured:
    case pdrec::kStateShieldedHotSpare:
        return "Unknown";
    default:
        return PdStateText(state, spunDown);
    }
}

const char* PdSummaryStateText(u16 state, bool foreign, bool globalSpare)
{
    if (foreign)
        return "Foreign";
    switch (state) {
    case pdrec::kStateUnconfiguredGood:
        return "Unconfigured Good";
    case pdrec::kStateUnconfiguredBad:
        return "Unconfigured Bad";
    case pdrec::kStateHotSpare:
        return globalSpare ? "Global HotSpare" : "Dedicated HotSpare";
    case pdrec::kStateSystem:
        return "System";
    case pdrec::kStateOffline:
    case pdrec::kStateFailed:
    case pdrec::kStateRebuild:
    case pdrec::kStateOnline:
    case pdrec::kStateCopyback:
        return PdStateText(state, false);  // the same words as the drive information
    default:
        return "Unknown";
    }
}
