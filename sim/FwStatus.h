// Command statuses the simulated firmware answers with.
#pragma once
#include "Bytes.h"

namespace sim {

constexpr u32 kFwOk = 0;
constexpr u32 kFwInvalidOpcode = 1;     // the controller knows no such request
constexpr u32 kFwInvalidParameter = 3;  // a data transfer that does not fit the request, or a bad value
constexpr u32 kFwInvalidSequence = 4;   // the request names an older sequence number of the object
constexpr u32 kFwNotFound = 12;         // no device or virtual drive with the id the request names

constexpr u32 kScsiCheckCondition = 2;  // SCSI status of a pass-through

}  // namespace sim
