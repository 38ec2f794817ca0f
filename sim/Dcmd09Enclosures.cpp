// DCMDs of family 0x09: enclosures.
#include "Dcmd.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

void GetEnclosureList(DcmdCall& call) { call.reply = EncodeEnclosureList(call.controller); }

constexpr DcmdRoute kEnclosureRoutes[] = {
    {0x09010000, DataFlow::FromController, 0, GetEnclosureList},
};

}  // namespace

std::span<const DcmdRoute> EnclosureRoutes() { return kEnclosureRoutes; }

}  // namespace sim
