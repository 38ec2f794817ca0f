// Texts of drive record values (pdrec::), the one home of each. Where two reports name a value
// differently (the summary's "Unconfigured Good", the drive information's "Unconfigured(good),
// Spun Up"), each report's words are a function of their own here.
#pragma once
#include "ZepUtil/Types.h"

// The interface type (pdrec::kInterface*): "Parallel SCSI", "SAS", "SATA", "FC", else "Unknown".
const char* PdInterfaceText(u8 type);

// A device or link speed (pdrec::kSpeed*): "1.5Gb/s", "3.0Gb/s", "6.0Gb/s", "12.0Gb/s", else
// "Unknown".
const char* PdSpeedText(u8 code);

// The firmware state (pdrec::kState*) as the drive information block names it: an unconfigured
// good drive with its power state ("Unconfigured(good), Spun Up" or "..., Spun down"),
// "Unconfigured(bad)", "Hotspare", "Offline", "Failed", "Rebuild", "Online", "Copyback", "JBOD",
// "Shielded", "Unconfigured(good), Shielded", "Hotspare, Shielded", else "Unknown".
const char* PdStateText(u16 state, bool spunDown);

// The firmware state as the all-in-one log names it: as PdStateText, but the log knows no JBOD
// or shielded states ("Unknown").
const char* PdLogStateText(u16 state, bool spunDown);

// The firmware state as the summary names it: "Foreign" for a foreign drive whatever its state,
// "Unconfigured Good", "Unconfigured Bad", "Global HotSpare" or "Dedicated HotSpare", "Offline",
// "Failed", "Rebuild", "Online", "Copyback", "System", else "Unknown".
const char* PdSummaryStateText(u16 state, bool foreign, bool globalSpare);
