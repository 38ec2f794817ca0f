// Private DCMDs.
#include "Dcmd.h"
#include "VdRequests.h"

namespace sim {
namespace {

constexpr DcmdRoute kRoutes[] = {
    {0x010E8481, DataFlow::FromController, 0, GetOemFlags},
    {0x0305E100, DataFlow::None, 0, SetConsistentRequest},
};

}  // namespace

std::span<const DcmdRoute> PrivateRoutes() { return kRoutes; }

}  // namespace sim
