// The event capture in the state file:
//   "aec": {"enabled": true, "started": false, "mode": "continuous", "events_to_capture": 0,
//           "host_filter_mask": 0, "firmware_filter_mask": 0, "buffer_segments": 4,
//           "events": [{... an event as in the event log ...}]}
#include "EventLogJson.h"
#include "FieldTable.h"

namespace sim {
namespace {

constexpr EnumName kCaptureModes[] = {{"continuous", 0}, {"full", 1}};

}  // namespace

void ReadEventCapture(ObjectReader& r, EventCapture& capture)
{
    capture.enabled = r.Bool("enabled", false);
    capture.started = r.Bool("started", false);
    capture.mode = static_cast<CaptureMode>(ReadChoice(r, "mode", kCaptureModes, 0));
    capture.eventsToCapture = static_cast<u32>(r.Unsigned("events_to_capture", 0xFFFFFFFF, 0));
    capture.hostFilterMask = static_cast<u32>(r.Hex("host_filter_mask", 0xFFFFFFFF, 0));
    capture.firmwareFilterMask = static_cast<u32>(r.Hex("firmware_filter_mask", 0xFFFFFFFF, 0));
    capture.bufferSegments = static_cast<u32>(r.Unsigned("buffer_segments", kMaxCaptureSegments, kDefaultCaptureSegments));
    if (capture.bufferSegments == 0)
        Fail(r.PathOf("buffer_segments"), "expected a whole number from 1 to " + std::to_string(kMaxCaptureSegments));
    capture.events.clear();
    ReadList(r, "events", capture.Capacity(), [&](const JsonValue& item, const std::string& path) {
        capture.events.push_back(ReadEventRecord(item, path));
    });
}

Json WriteEventCapture(const EventCapture& capture)
{
    Json events = Json::array();
    for (const EventRecord& record : capture.events)
        events.push_back(WriteEventRecord(record));
    return Json{{"enabled", capture.enabled},
                {"started", capture.started},
                {"mode", FieldValueJson(static_cast<u64>(capture.mode), FieldKind::Enum, kCaptureModes)},
                {"events_to_capture", capture.eventsToCapture},
                {"host_filter_mask", capture.hostFilterMask},
                {"firmware_filter_mask", capture.firmwareFilterMask},
                {"buffer_segments", capture.bufferSegments},
                {"events", std::move(events)}};
}

}  // namespace sim
