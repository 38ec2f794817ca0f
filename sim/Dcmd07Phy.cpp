// DCMDs of family 0x07: the controller's PHYs and connectors, and the modes the connectors run
// in from the next boot.
#include "Dcmd.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

void GetPhyList(DcmdCall& call) { call.reply = EncodePhyList(call.controller); }

void GetConnectorList(DcmdCall& call) { call.reply = EncodeConnectorList(call.controller); }

void GetConnectorModes(DcmdCall& call) { call.reply = EncodeConnectorModes(call.controller); }

void SetConnectorModes(DcmdCall& call)
{
    std::vector<u8> modes;
    if (!DecodeConnectorModes(call.data, call.controller, modes)) {
        call.status = kFwInvalidParameter;
        return;
    }
    for (std::size_t n = 0; n < modes.size(); ++n) {
        if (call.controller.connectors[n].mode != modes[n]) {
            call.controller.connectors[n].mode = modes[n];
            call.changed = true;
        }
    }
    if (call.changed)
        AppendEvent(call.controller, call.model.clock, kEvConnectorModesChanged, EventArgs::None());
}

constexpr DcmdRoute kRoutes[] = {
    {0x07010000, DataFlow::FromController, 0, GetPhyList},
    {0x07020100, DataFlow::FromController, 0, GetConnectorModes},
    {0x07020200, DataFlow::ToController, kConnectorModesSize, SetConnectorModes},
    {0x07030000, DataFlow::FromController, 0, GetConnectorList},
};

}  // namespace

std::span<const DcmdRoute> PhyRoutes() { return kRoutes; }

}  // namespace sim
