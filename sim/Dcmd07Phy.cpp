// DCMDs of family 0x07: the controller's PHYs and connectors.
#include "Dcmd.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

void GetPhyList(DcmdCall& call) { call.reply = EncodePhyList(call.controller); }

void GetConnectorList(DcmdCall& call) { call.reply = EncodeConnectorList(call.controller); }

constexpr DcmdRoute kRoutes[] = {
    {0x07010000, DataFlow::FromController, 0, GetPhyList},
    {0x07030000, DataFlow::FromController, 0, GetConnectorList},
};

}  // namespace

std::span<const DcmdRoute> PhyRoutes() { return kRoutes; }

}  // namespace sim
