// Advanced event capture: while capture runs, the controller copies the events it logs into a
// buffer of 32768-byte segments (128 event records each), which the host reads back segment by
// segment once capture has stopped. A capture ends by itself when it holds the number of events
// it was started for; in full mode also when the buffer is full, while in continuous mode a
// full buffer gives up its oldest event for each new one. The host filter mask selects events
// by their locale bits (0: every event); the firmware filter mask is kept for the firmware's own
// events and reported.
#pragma once
#include <vector>

#include "EventLog.h"

namespace sim {

constexpr u32 kCaptureSegmentSize = 32768;
constexpr u32 kCaptureRecordSize = 256;
constexpr u32 kCaptureRecordsPerSegment = kCaptureSegmentSize / kCaptureRecordSize;
constexpr u32 kDefaultCaptureSegments = 4;
constexpr u32 kMaxCaptureSegments = 64;

enum class CaptureMode : u8 { Continuous = 0, Full = 1 };

struct EventCapture {
    bool enabled = false;
    bool started = false;
    CaptureMode mode = CaptureMode::Continuous;
    u32 eventsToCapture = 0;  // 0: no limit
    u32 hostFilterMask = 0;
    u32 firmwareFilterMask = 0;
    u32 bufferSegments = kDefaultCaptureSegments;  // the buffer's size
    std::vector<EventRecord> events;               // captured, oldest first

    u32 Capacity() const { return bufferSegments * kCaptureRecordsPerSegment; }
    // Segments that hold captured events.
    u32 SegmentCount() const
    {
        return static_cast<u32>((events.size() + kCaptureRecordsPerSegment - 1) / kCaptureRecordsPerSegment);
    }
};

// Called for every event the controller logs: copies it into the buffer while capture runs.
void CaptureEvent(EventCapture& capture, const EventRecord& record);

}  // namespace sim
