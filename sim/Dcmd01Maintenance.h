// Requests of family 0x01 (routed in Dcmd01Controller.cpp) that change the controller's own
// settings or ask it for maintenance: the defaults block and the factory reset, the clock, the
// cache flush, the shutdown and the self diagnostic, and the PCI identity block.
#pragma once
#include "Dcmd.h"

namespace sim {

void SetDefaultsRequest(DcmdCall& call);      // 0x010E0202
void FactoryDefaultsRequest(DcmdCall& call);  // 0x010D0000
void SetTimeRequest(DcmdCall& call);          // 0x01080102
void FlushCacheRequest(DcmdCall& call);       // 0x01101000
void ShutdownRequest(DcmdCall& call);         // 0x01050000
void DiagnosticRequest(DcmdCall& call);       // 0x01120100
void GetPciDataRequest(DcmdCall& call);       // 0x010E0100

}  // namespace sim
