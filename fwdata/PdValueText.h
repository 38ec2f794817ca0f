// Texts of drive record values that several reports print alike: the drive information block
// and the all-in-one log's device section. A report that prints other texts for a value has its
// own.
#pragma once
#include "ZepUtil/Types.h"

// The interface type (pdrec::kInterface*): "Parallel SCSI", "SAS", "SATA", "FC", else "Unknown".
const char* PdInterfaceText(u8 type);

// A device or link speed (pdrec::kSpeed*): "1.5Gb/s", "3.0Gb/s", "6.0Gb/s", "12.0Gb/s", else
// "Unknown".
const char* PdSpeedText(u8 code);
