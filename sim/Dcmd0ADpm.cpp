// DCMDs of family 0x0A: drive performance monitoring. The monitor's configuration, the drives'
// statistics (DriveStatistics.cpp) and the control (mailbox word 0: 0 stop, 1 start, 2 clear the
// statistics named by the mask in word 1: 2 LCT, 4 HIST, 8 RA, 16 EXT).
#include "Dcmd.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

constexpr u32 kStop = 0;
constexpr u32 kStart = 1;
constexpr u32 kClear = 2;
constexpr u32 kStatisticsMask = 0x1E;

void GetDpmState(DcmdCall& call) { call.reply = EncodeDpmState(call.controller.dpm); }

void ControlDpm(DcmdCall& call)
{
    PerformanceMonitor& dpm = call.controller.dpm;
    const u32 operation = MailboxWord(call.mailbox, 0);
    if (operation == kStop || operation == kStart) {
        const bool enable = operation == kStart;
        if (dpm.enabled == enable)
            return;
        dpm.enabled = enable;
        AppendEvent(call.controller, call.model.clock, enable ? kEvDpmEnabled : kEvDpmDisabled, EventArgs::None());
        call.changed = true;
        return;
    }
    const u32 mask = MailboxWord(call.mailbox, 1);
    if (operation != kClear || mask == 0 || (mask & ~kStatisticsMask) != 0) {
        call.status = kFwInvalidParameter;
        return;
    }
    ClearDriveStatistics(call.controller, mask);
    AppendEvent(call.controller, call.model.clock, kEvDpmCleared, EventArgs::None());
    call.changed = true;
}

constexpr DcmdRoute kDpmRoutes[] = {
    {0x0A010000, DataFlow::FromController, 0, GetDpmState},
    {0x0A020000, DataFlow::FromController, 0, GetDriveStatistics},
    {0x0A030000, DataFlow::None, 0, ControlDpm},
};

}  // namespace

std::span<const DcmdRoute> DpmRoutes() { return kDpmRoutes; }

}  // namespace sim
