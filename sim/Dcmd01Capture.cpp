#include "Dcmd01Capture.h"

#include <algorithm>

#include "Dcmd01Events.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

// Control operations (mailbox word 0).
constexpr u32 kOpDisable = 0;
constexpr u32 kOpStop = 1;
constexpr u32 kOpStart = 2;       // word 1: events to capture, 0 no limit
constexpr u32 kOpMode = 3;        // word 1: 0 continuous, 1 full
constexpr u32 kOpSetFilter = 4;   // word 1: the filter group, word 2: the bits to set
constexpr u32 kOpClearFilter = 5; // word 1: the filter group, word 2: the bits to clear

// Filter groups.
constexpr u32 kGroupHost = 0;
constexpr u32 kGroupFirmware = 1;

// The settings block (40 bytes).
constexpr std::size_t kSetEnabled = 0;
constexpr std::size_t kSetStarted = 1;
constexpr std::size_t kSetMode = 2;
constexpr std::size_t kSetEventsToCapture = 4;  // u32
constexpr std::size_t kSetCaptured = 8;         // u32
constexpr std::size_t kSetSegments = 12;        // u32
constexpr std::size_t kSetHostMask = 16;        // u32
constexpr std::size_t kSetFirmwareMask = 20;    // u32
constexpr std::size_t kSettingsSize = 40;

constexpr std::size_t kMailboxLengthWord = 1;  // the segment's length comes back here

void Changed(DcmdCall& call, u32 event)
{
    AppendEvent(call.controller, call.model.clock, event, EventArgs::None());
    call.changed = true;
}

bool ChangeFilter(DcmdCall& call, bool set)
{
    EventCapture& capture = call.controller.capture;
    const u32 group = MailboxWord(call.mailbox, 1);
    const u32 bits = MailboxWord(call.mailbox, 2);
    u32* mask = group == kGroupHost ? &capture.hostFilterMask : group == kGroupFirmware ? &capture.firmwareFilterMask : nullptr;
    if (mask == nullptr)
        return false;
    *mask = set ? (*mask | bits) : (*mask & ~bits);
    return true;
}

}  // namespace

void CaptureControlRequest(DcmdCall& call)
{
    EventCapture& capture = call.controller.capture;
    switch (MailboxWord(call.mailbox, 0)) {
    case kOpDisable:
        capture.started = false;
        capture.enabled = false;
        return Changed(call, kEvCaptureDisabled);
    case kOpStop:
        capture.started = false;
        return Changed(call, kEvCaptureStopped);
    case kOpStart:
        Changed(call, kEvCaptureStarted);  // logged before the capture runs
        capture.enabled = true;
        capture.started = true;
        capture.eventsToCapture = MailboxWord(call.mailbox, 1);
        capture.events.clear();
        return;
    case kOpMode: {
        const u32 mode = MailboxWord(call.mailbox, 1);
        if (mode > static_cast<u32>(CaptureMode::Full))
            break;
        capture.mode = static_cast<CaptureMode>(mode);
        return Changed(call, kEvCaptureModeChanged);
    }
    case kOpSetFilter:
    case kOpClearFilter:
        if (!ChangeFilter(call, MailboxWord(call.mailbox, 0) == kOpSetFilter))
            break;
        return Changed(call, kEvCaptureFilterChanged);
    default:
        break;
    }
    call.status = kFwInvalidParameter;
}

void CaptureSegmentRequest(DcmdCall& call)
{
    const EventCapture& capture = call.controller.capture;
    const u32 index = MailboxWord(call.mailbox, 0);
    if (capture.started) {
        call.status = kFwCaptureRunning;
        return;
    }
    if (index >= capture.SegmentCount()) {
        call.status = kFwInvalidParameter;
        return;
    }
    const std::size_t first = static_cast<std::size_t>(index) * kCaptureRecordsPerSegment;
    const std::size_t count = std::min<std::size_t>(kCaptureRecordsPerSegment, capture.events.size() - first);
    call.reply = Block(kCaptureSegmentSize);
    for (std::size_t i = 0; i < count; ++i)
        PutEventRecord(call.reply.Slice(i * kEventRecordSize, kEventRecordSize), capture.events[first + i]);
    PutMailboxWord(call.mailbox, kMailboxLengthWord, static_cast<u32>(count * kEventRecordSize));
}

void CaptureSettingsRequest(DcmdCall& call)
{
    const EventCapture& capture = call.controller.capture;
    call.reply = Block(kSettingsSize);
    call.reply.PutU8(kSetEnabled, capture.enabled);
    call.reply.PutU8(kSetStarted, capture.started);
    call.reply.PutU8(kSetMode, static_cast<u8>(capture.mode));
    call.reply.PutU32(kSetEventsToCapture, capture.eventsToCapture);
    call.reply.PutU32(kSetCaptured, capture.events.size());
    call.reply.PutU32(kSetSegments, capture.SegmentCount());
    call.reply.PutU32(kSetHostMask, capture.hostFilterMask);
    call.reply.PutU32(kSetFirmwareMask, capture.firmwareFilterMask);
}

}  // namespace sim
