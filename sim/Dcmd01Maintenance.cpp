#include "Dcmd01Maintenance.h"

#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

// The cache flush request: mailbox word 0 names the caches.
constexpr u32 kFlushControllerCache = 1u << 0;
constexpr u32 kFlushDriveCaches = 1u << 1;

// The shutdown request: mailbox byte 0, 0 or 1.
constexpr u8 kMaxShutdownKind = 1;

// The PCI identity block (8 bytes).
constexpr std::size_t kPciSubVendor = 0;  // u16
constexpr std::size_t kPciSubDevice = 2;  // u16
constexpr std::size_t kPciVendor = 4;     // u16
constexpr std::size_t kPciDevice = 6;     // u16
constexpr std::size_t kPciDataSize = 8;

void LogEvent(DcmdCall& call, u32 code, const EventArgs& args = EventArgs::None())
{
    AppendEvent(call.controller, call.model.clock, code, args);
    call.changed = true;
}

}  // namespace

// A block holding a code the controller does not define is refused as a whole. The extent byte
// is the controller's own and keeps its value. The first change keeps the block as it was as
// the factory's.
void SetDefaultsRequest(DcmdCall& call)
{
    Controller& c = call.controller;
    ControllerDefaults updated = c.defaults;
    if (!DecodeDefaults(call.data, updated)) {
        call.status = kFwInvalidParameter;
        return;
    }
    updated.defaultsExtent = c.defaults.defaultsExtent;
    if (updated == c.defaults)
        return;
    if (!c.factoryDefaults)
        c.factoryDefaults = c.defaults;
    c.defaults = updated;
    LogEvent(call, kEvDefaultsChanged);
}

void FactoryDefaultsRequest(DcmdCall& call)
{
    Controller& c = call.controller;
    if (c.factoryDefaults) {
        const u64 extent = c.defaults.defaultsExtent;
        c.defaults = *c.factoryDefaults;
        c.defaults.defaultsExtent = extent;
    }
    LogEvent(call, kEvFactoryDefaults);
}

// The controllers of one state share one clock: setting it on one sets it for all. A date or
// time that does not exist, or lies outside the clock's range, is refused.
void SetTimeRequest(DcmdCall& call)
{
    u64 now = 0;
    if (!DecodeControllerTime(call.data, now)) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.model.clock.now = now;
    LogEvent(call, kEvTimeSet, EventArgs::Time(static_cast<u32>(now), 0));
}

void FlushCacheRequest(DcmdCall& call)
{
    const u32 caches = MailboxWord(call.mailbox, 0);
    if (caches == 0 || (caches & ~(kFlushControllerCache | kFlushDriveCaches)) != 0) {
        call.status = kFwInvalidParameter;
        return;
    }
    LogEvent(call, kEvCacheFlushed);
}

// The event of the shutdown is the log's shutdown sequence number from then on.
void ShutdownRequest(DcmdCall& call)
{
    if (call.mailbox[0] > kMaxShutdownKind) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.controller.events.shutdownSeq = AppendEvent(call.controller, call.model.clock, kEvShutdown, EventArgs::None());
    call.changed = true;
}

// The diagnostic answers at once (the duration in mailbox word 0 is not waited for) and passes.
void DiagnosticRequest(DcmdCall& call) { LogEvent(call, kEvDiagnosticsPassed, EventArgs::DiagPass(1, "Controller")); }

void GetPciDataRequest(DcmdCall& call)
{
    const PciIdentity& pci = call.controller.pci;
    call.reply = Block(kPciDataSize);
    call.reply.PutU16(kPciSubVendor, pci.subVendor);
    call.reply.PutU16(kPciSubDevice, pci.subDevice);
    call.reply.PutU16(kPciVendor, pci.vendor);
    call.reply.PutU16(kPciDevice, pci.device);
}

}  // namespace sim
