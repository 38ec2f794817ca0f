// DCMDs of family 0x04: the configuration (arrays, virtual drives, spares).
#include "Dcmd.h"
#include "VdEncoders.h"

namespace sim {
namespace {

// The whole image; the reply is cut at the caller's length.
void GetConfiguration(DcmdCall& call) { call.reply = EncodeConfiguration(call.controller, call.model.clock.now); }

constexpr DcmdRoute kRoutes[] = {
    {0x04010000, DataFlow::FromController, 0, GetConfiguration},
};

}  // namespace

std::span<const DcmdRoute> ConfigurationRoutes() { return kRoutes; }

}  // namespace sim
