// Suspending or resuming a drive's background operation (rebuild, copyback): ask the drive
// whether the action is allowed now, then send it, printing one line for the outcome.
#pragma once
#include "ZepUtil/Types.h"

class PhysicalDevice;

namespace PdSuspendResume {

// The texts of one action; each is followed by the device id (and a failed request's status).
struct Texts {
    const char* queryFailed;
    const char* notAllowed;
    const char* failed;
    const char* done;
};

using AllowedQuery = int (PhysicalDevice::*)(u8* allowed);
using Action = int (PhysicalDevice::*)();

// 0 when done; the status of a failed query or request; -1 when the drive does not allow it
// (a refusal is a failure of the command, not a success).
int Run(PhysicalDevice* pd, u16 deviceId, const Texts& texts, AllowedQuery isAllowed, Action action);

}  // namespace PdSuspendResume
