// DCMDs of family 0x05: the battery backup unit. The status and design blocks are answered; the
// other requests of the family (properties, learn cycles) get "invalid opcode".
#include "Dcmd.h"
#include "Encoders.h"

namespace sim {
namespace {

void GetBatteryStatus(DcmdCall& call) { call.reply = EncodeBatteryStatus(call.controller.battery); }
void GetBatteryDesign(DcmdCall& call) { call.reply = EncodeBatteryDesign(call.controller.battery); }

constexpr DcmdRoute kRoutes[] = {
    {0x05010000, DataFlow::FromController, 0, GetBatteryStatus},
    {0x05030000, DataFlow::FromController, 0, GetBatteryDesign},
};

}  // namespace

std::span<const DcmdRoute> BatteryRoutes() { return kRoutes; }

}  // namespace sim
