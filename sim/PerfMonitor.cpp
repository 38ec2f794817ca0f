#include "PerfMonitor.h"

#include "EventCodes.h"
#include "FwStatus.h"
#include "Model.h"

namespace sim {

bool HasPerfMonitor(const Controller& controller)
{
    return controller.info.capabilities.count("perf_monitor") != 0;
}

u32 StartOrStopPerfMonitor(Controller& controller, const SimClock& clock, u32 interval, bool* changed)
{
    if (!HasPerfMonitor(controller))
        return kFwInvalidOpcode;
    if (interval > kMaxPerfInterval)
        return kFwInvalidParameter;
    PerfMonitor& monitor = controller.perfMonitor;
    if (interval == 0) {
        if (!monitor.started || monitor.stopped)
            return kFwOk;
        monitor.stopped = clock.now;
        AppendEvent(controller, clock, kEvPerfMonitorStopped, EventArgs::None());
    } else {
        monitor.intervalMinutes = interval;
        monitor.started = clock.now;
        monitor.stopped.reset();
        AppendEvent(controller, clock, kEvPerfMonitorStarted, EventArgs::Rate(interval));
    }
    *changed = true;
    return kFwOk;
}

u64 PerfSamples(const PerfMonitor& monitor, u64 now)
{
    if (!monitor.started || monitor.intervalMinutes == 0)
        return 0;
    const u64 end = monitor.stopped.value_or(now);
    return end > *monitor.started ? (end - *monitor.started) / (u64{60} * monitor.intervalMinutes) : 0;
}

}  // namespace sim
