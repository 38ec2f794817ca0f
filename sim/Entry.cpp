// The library's one entry point. It checks the packet, runs the request by its function and
// writes the statuses and the count of data bytes into the header; the return value is the
// library status. Requests are serialised within the process.
#include <cstdio>
#include <exception>
#include <mutex>

#include "Requests.h"
#include "Session.h"
#include "Trace.h"

namespace sim {
namespace {

using namespace libpacket;

Outcome Run(Packet& packet)
{
    switch (packet.Function()) {
    case kFnInit:
        return RunInit();
    case kFnListControllers:
        return RunListControllers(packet);
    case kFnDcmd:
        return RunFirmwareRequest(packet, RequestKind::Dcmd);
    case kFnDcmdPrivate:
        return RunFirmwareRequest(packet, RequestKind::DcmdPrivate);
    case kFnDriverRequest:
        return RunFirmwareRequest(packet, RequestKind::DriverRequest);
    case kFnScsiPassThru:
        return RunScsiPassThru(packet);
    case kFnClose:
        return RunClose();
    default:  // SATA pass-through is reserved; other codes are unknown
        return {kLibUnsupported, 0, 0};
    }
}

}  // namespace
}  // namespace sim

extern "C" __attribute__((visibility("default"))) int ProcessLibCommand(void* raw)
{
    using namespace sim;
    static std::mutex mutex;
    const std::lock_guard<std::mutex> guard(mutex);

    Packet packet;
    const u32 error = Packet::Open(raw, packet);
    if (error != kLibOk) {
        TraceRequest(nullptr, Mailbox{}, {error, 0, 0});
        return static_cast<int>(error);
    }
    const Mailbox mailbox = packet.GetMailbox();
    Outcome outcome;
    try {
        outcome = Run(packet);
    } catch (const std::exception& e) {
        // Nothing the library does should throw; if it does, the request fails cleanly.
        std::fprintf(stderr, "drivekit: internal error: %s\n", e.what());
        outcome = {kLibStateError, 0, 0};
    }
    packet.SetResult(outcome.lib, outcome.fw, outcome.count);
    TraceRequest(&packet, mailbox, outcome);
    return static_cast<int>(outcome.lib);
}
