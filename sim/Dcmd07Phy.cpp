// DCMDs of family 0x07: the controller's PHYs (their list, link speeds and error logs) and
// connectors, and the modes the connectors run in from the next boot.
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

// Mailbox byte 0 names the PHY, byte 1 the link speed code it is limited to: 0 no limit, 1 1.5
// Gb/s, 2 3 Gb/s, 4 6 Gb/s, 8 12 Gb/s (only on a controller with 12 Gb/s drive interfaces).
void SetPhyLinkSpeed(DcmdCall& call)
{
    constexpr u8 kNoLimit = 0, k1_5g = 1, k3g = 2, k6g = 4, k12g = 8;
    const u8 index = call.mailbox[0];
    const u8 speed = call.mailbox[1];
    const bool known = speed == kNoLimit || speed == k1_5g || speed == k3g || speed == k6g || speed == k12g;
    const bool offered = speed != k12g || call.controller.info.deviceInterface.count("sas_12g") != 0;
    if (index >= call.controller.phys.size() || !known || !offered) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.controller.phys[index].linkSpeed = speed;
    AppendEvent(call.controller, call.model.clock, kEvPhyLinkSpeedChanged, EventArgs::PortPhy(index, index));
    call.changed = true;
}

constexpr DcmdRoute kPhyRoutes[] = {
    {0x07010000, DataFlow::FromController, 0, GetPhyList},
    {0x07020100, DataFlow::FromController, 0, GetConnectorModes},
    {0x07020200, DataFlow::ToController, kConnectorModesSize, SetConnectorModes},
    {0x07030000, DataFlow::FromController, 0, GetConnectorList},
    {0x07040000, DataFlow::Both, 59, ReadPhyErrorLog},
    {0x07050000, DataFlow::None, 0, SetPhyLinkSpeed},
};

}  // namespace

std::span<const DcmdRoute> PhyRoutes() { return kPhyRoutes; }

}  // namespace sim
