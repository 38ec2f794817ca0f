// Private DCMDs.
#include "Dcmd.h"

namespace sim {
namespace {

constexpr DcmdRoute kRoutes[] = {
    {0x010E8481, DataFlow::FromController, 0, GetOemFlags},
};

}  // namespace

std::span<const DcmdRoute> PrivateRoutes() { return kRoutes; }

}  // namespace sim
