// One function per kind of library request. Each answers with the library status, the firmware
// (or SCSI) status and the bytes it placed in the data area.
#pragma once
#include "Packet.h"

namespace sim {

struct Outcome {
    u32 lib = 0;
    u32 fw = 0;
    u32 count = 0;
};

Outcome RunInit();                                               // Session.cpp
Outcome RunClose();                                              // Session.cpp
Outcome RunListControllers(Packet& packet);                      // ListControllers.cpp
Outcome RunFirmwareRequest(Packet& packet, RequestKind kind);    // FirmwareRequest.cpp
Outcome RunScsiPassThru(Packet& packet);                         // ScsiPassThru.cpp

}  // namespace sim
