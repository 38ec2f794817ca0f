// DCMDs of family 0x05: the battery backup unit. The status block is answered; the other
// requests of the family (design, properties, learn cycles) get "invalid opcode".
#include "Dcmd.h"
#include "Encoders.h"

namespace sim {
namespace {

void GetBatteryStatus(DcmdCall& call) { call.reply = EncodeBatteryStatus(call.controller.battery); }

constexpr DcmdRoute kRoutes[] = {
    {0x05010000, DataFlow::FromController, 0, GetBatteryStatus},
};

}  // namespace

std::span<const DcmdRoute> BatteryRoutes() { return kRoutes; }

}  // namespace sim
