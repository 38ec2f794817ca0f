#include "EventCapture.h"

namespace sim {

void CaptureEvent(EventCapture& capture, const EventRecord& record)
{
    if (!capture.enabled || !capture.started)
        return;
    if (capture.hostFilterMask != 0 && (record.locale & capture.hostFilterMask) == 0)
        return;
    if (capture.events.size() >= capture.Capacity()) {
        if (capture.mode == CaptureMode::Full || capture.Capacity() == 0) {
            capture.started = false;
            return;
        }
        capture.events.erase(capture.events.begin());
    }
    capture.events.push_back(record);
    const bool full = capture.mode == CaptureMode::Full && capture.events.size() >= capture.Capacity();
    if (full || (capture.eventsToCapture != 0 && capture.events.size() >= capture.eventsToCapture))
        capture.started = false;
}

}  // namespace sim
