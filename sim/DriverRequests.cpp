// Requests to the kernel driver.
#include "Dcmd.h"
#include "Encoders.h"

namespace sim {
namespace {

void GetPciInfo(DcmdCall& call) { call.reply = EncodeDriverPciInfo(call.controller.pci); }

constexpr DcmdRoute kRoutes[] = {
    {0xF0010200, DataFlow::FromController, 0, GetPciInfo},
};

}  // namespace

std::span<const DcmdRoute> DriverRoutes() { return kRoutes; }

}  // namespace sim
