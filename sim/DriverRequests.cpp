// Requests to the kernel driver.
#include "Dcmd.h"
#include "Encoders.h"

namespace sim {
namespace {

void GetPciInfo(DcmdCall& call) { call.reply = EncodeDriverPciInfo(call.controller.pci); }

// Telling the operating system that virtual drives came or went (mailbox word 0: 1 added, 2
// removed; word 1: the target id or 0xFF for all): the simulated driver has nothing to do.
// Faults make it fail for the tool's "not told" paths.
void TellOs(DcmdCall& call) { call.status = 0; }

constexpr DcmdRoute kDriverRoutes[] = {
    {0xF0010200, DataFlow::FromController, 0, GetPciInfo},
    {0xF0010300, DataFlow::None, 0, TellOs},
};

}  // namespace

std::span<const DcmdRoute> DriverRoutes() { return kDriverRoutes; }

}  // namespace sim
