// The performance monitor's requests: start with the interval in minutes in mailbox bytes 0-1,
// or stop with an interval of 0 (0x01170100, no data); the results of the present collection
// (0x01170200, from the controller). A controller without the monitor knows neither request.
#include "Dcmd.h"
#include "Encoders.h"
#include "FwStatus.h"
#include "PerfMonitor.h"

namespace sim {

void StartStopPerfMonitor(DcmdCall& call)
{
    const u32 interval = MailboxU16(call.mailbox, 0);
    call.status = StartOrStopPerfMonitor(call.controller, call.model.clock, interval, &call.changed);
}

void GetPerfResults(DcmdCall& call)
{
    if (!HasPerfMonitor(call.controller)) {
        call.status = kFwInvalidOpcode;
        return;
    }
    call.reply = EncodePerfResults(call.controller, call.model.clock.now);
}

}  // namespace sim
