// The controller properties read (0x01020100) and write (0x01020200). The properties are the
// controller's current settings; the controller information block reports the same bytes.
#include "Dcmd.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

using P = ControllerProperties;

// Settings that only a controller with the capability takes: a write may keep what is stored,
// but not turn one of them on (or to another value) without it.
struct CapabilityBound {
    u64 P::*member;
    const char* capability;
};

constexpr CapabilityBound kCapabilityBound[] = {
    {&P::enablePi, "pi"},
    {&P::emergencySpareGhsp, "emergency_spares"},
    {&P::emergencySpareUg, "emergency_spares"},
    {&P::emergencySpareSmarter, "emergency_spares"},
    {&P::spinDownUnconfigured, "spin_down"},
    {&P::disableSpinDownHotSpares, "spin_down"},
    {&P::spinDownTime, "spin_down"},
    {&P::ssdPatrolRead, "ssd_patrol_read_support"},
    {&P::defaultLdPowerSavePolicy, "vd_power_savings"},
    {&P::disableLdPsIntervalHours, "vd_power_savings"},
    {&P::disableLdPsTimeMinutes, "vd_power_savings"},
    {&P::perfMode, "perf_tuning"},
    {&P::perfMode0MaxFlushLines, "perf_tuning"},
    {&P::perfMode0OrderIos, "perf_tuning"},
    {&P::perfMode1MaxFlushLines, "perf_tuning"},
    {&P::perfMode1OrderIos, "perf_tuning"},
};

bool Allowed(const Controller& controller, const ControllerProperties& updated)
{
    for (const CapabilityBound& row : kCapabilityBound) {
        const u64 value = updated.*row.member;
        if (value != 0 && value != controller.properties.*row.member &&
            controller.info.capabilities.count(row.capability) == 0)
            return false;
    }
    return true;
}

}  // namespace

void GetControllerProperties(DcmdCall& call) { call.reply = EncodeControllerProperties(call.controller.properties); }

// A block holding a value the controller does not define, or turning on a feature it lacks, is
// refused as a whole.
void SetControllerProperties(DcmdCall& call)
{
    ControllerProperties updated = call.controller.properties;
    if (!DecodeControllerProperties(call.data, updated) || !Allowed(call.controller, updated)) {
        call.status = kFwInvalidParameter;
        return;
    }
    if (updated == call.controller.properties)
        return;
    call.controller.properties = updated;
    AppendEvent(call.controller, call.model.clock, kEvPropertiesChanged, EventArgs::None());
    call.changed = true;
}

}  // namespace sim
