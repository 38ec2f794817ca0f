// Private DCMDs.
#include "Dcmd.h"
#include "VdRequests.h"

namespace sim {
namespace {

constexpr DcmdRoute kPrivateRoutes[] = {
    {0x010E8481, DataFlow::FromController, 0, GetOemFlags},
    {0x0305E100, DataFlow::None, 0, SetConsistentRequest},
    {0x010EE100, DataFlow::FromController, 0, GetGasGaugeData},
};

}  // namespace

std::span<const DcmdRoute> PrivateRoutes() { return kPrivateRoutes; }

}  // namespace sim
