// Finding the route of a request: DCMDs by opcode family, private DCMDs and driver requests in
// their own tables.
#include "Dcmd.h"

namespace sim {
namespace {

std::span<const DcmdRoute> FamilyRoutes(u32 opcode)
{
    switch (opcode >> 24) {
    case 0x01:
        return ControllerRoutes();
    case 0x02:
        return DriveRoutes();
    case 0x03:
        return VirtualDriveRoutes();
    case 0x04:
        return ConfigurationRoutes();
    case 0x05:
        return BatteryRoutes();
    case 0x07:
        return PhyRoutes();
    case 0x09:
        return EnclosureRoutes();
    case 0x0A:
        return DpmRoutes();
    default:
        return {};
    }
}

}  // namespace

const DcmdRoute* FindRoute(RequestKind kind, u32 opcode)
{
    std::span<const DcmdRoute> routes;
    if (kind == RequestKind::Dcmd)
        routes = FamilyRoutes(opcode);
    else if (kind == RequestKind::DcmdPrivate)
        routes = PrivateRoutes();
    else if (kind == RequestKind::DriverRequest)
        routes = DriverRoutes();
    for (const DcmdRoute& route : routes) {
        if (route.opcode == opcode)
            return &route;
    }
    return nullptr;
}

}  // namespace sim
