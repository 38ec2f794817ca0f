// DCMDs of family 0x05: the battery backup unit. Without a battery the status and design blocks
// read as zeros (type 0); the other requests answer "device absent".
#include <algorithm>

#include "BatteryRules.h"
#include "Dcmd.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

// Requests that need a fitted battery refuse otherwise; true when the battery is there.
bool NeedBattery(DcmdCall& call)
{
    if (call.controller.battery.present)
        return true;
    call.status = kFwDeviceAbsent;
    return false;
}

void GetBatteryStatus(DcmdCall& call) { call.reply = EncodeBatteryStatus(call.controller.battery, call.Now()); }
void GetBatteryDesign(DcmdCall& call) { call.reply = EncodeBatteryDesign(call.controller.battery); }

void GetBatteryCapacity(DcmdCall& call)
{
    if (NeedBattery(call))
        call.reply = EncodeBatteryCapacity(call.controller.battery, call.Now());
}

void StartLearn(DcmdCall& call) { call.Done(StartLearnCycle(call.controller, call.model.clock)); }

void GetBatteryProperties(DcmdCall& call)
{
    if (NeedBattery(call))
        call.reply = EncodeBatteryProperties(call.controller.battery);
}

// The learn settings and the battery mode. Refused with 3: an auto learn mode the firmware does
// not define, warning mode on a pack that learns transparently, a learn period of 0, or a mode the
// module does not offer; with 2: a mode change on a module without modes.
void SetBatteryProperties(DcmdCall& call)
{
    if (!NeedBattery(call))
        return;
    Battery& b = call.controller.battery;
    const BatteryPropertiesWrite w = DecodeBatteryProperties(call.data);
    if (w.autoMode > kAutoLearnWarn || (w.autoMode == kAutoLearnWarn && b.transparentLearn) || w.periodSeconds == 0) {
        call.status = kFwInvalidParameter;
        return;
    }
    if (w.mode != b.mode) {
        if (!b.modesSupported || b.type != 5) {
            call.status = kFwNotSupported;
            return;
        }
        if (std::none_of(b.modes.begin(), b.modes.end(), [&](const BatteryMode& m) { return m.id == w.mode; })) {
            call.status = kFwInvalidParameter;
            return;
        }
    }
    BatteryLearn learn = b.learn;
    learn.periodSeconds = w.periodSeconds;
    learn.delayHours = w.delayHours;
    learn.autoMode = w.autoMode;
    if (w.autoMode != kAutoLearnOff)
        learn.next = w.next;
    const bool changed = learn.periodSeconds != b.learn.periodSeconds || learn.delayHours != b.learn.delayHours ||
                         learn.autoMode != b.learn.autoMode || learn.next != b.learn.next || w.mode != b.mode;
    if (!changed)
        return;
    b.learn = learn;
    b.mode = w.mode;
    AppendEvent(call.controller, call.model.clock, kEvBbuPropertiesChanged, EventArgs::None());
    call.Done(kFwOk);
}

// Manufacturing sleep and seal prepare a pack for shipping; a sealed pack cannot sleep again.
void MfgSleep(DcmdCall& call)
{
    Battery& b = call.controller.battery;
    if (!NeedBattery(call))
        return;
    if (b.mfgSleep || b.learn.started) {
        call.status = kFwWrongState;
        return;
    }
    b.mfgSleep = true;
    AppendEvent(call.controller, call.model.clock, kEvBbuMfgSleep, EventArgs::None());
    call.Done(kFwOk);
}

void MfgSeal(DcmdCall& call)
{
    Battery& b = call.controller.battery;
    if (!NeedBattery(call))
        return;
    if (b.sealed) {
        call.status = kFwWrongState;
        return;
    }
    b.sealed = true;
    AppendEvent(call.controller, call.model.clock, kEvBbuSealed, EventArgs::None());
    call.Done(kFwOk);
}

// Only a type 5 module with modes reports them; others answer "not supported".
void GetBatteryModes(DcmdCall& call)
{
    const Battery& b = call.controller.battery;
    if (!NeedBattery(call))
        return;
    if (b.type != 5 || !b.modesSupported) {
        call.status = kFwNotSupported;
        return;
    }
    call.reply = EncodeBatteryModes(b);
}

constexpr DcmdRoute kBatteryRoutes[] = {
    {0x05010000, DataFlow::FromController, 0, GetBatteryStatus},
    {0x05020000, DataFlow::FromController, 0, GetBatteryCapacity},
    {0x05030000, DataFlow::FromController, 0, GetBatteryDesign},
    {0x05040000, DataFlow::None, 0, StartLearn},
    {0x05050100, DataFlow::FromController, 0, GetBatteryProperties},
    {0x05050200, DataFlow::ToController, kBatteryPropertiesSize, SetBatteryProperties},
    {0x05060100, DataFlow::None, 0, MfgSleep},
    {0x05060200, DataFlow::None, 0, MfgSeal},
    {0x05070100, DataFlow::FromController, 0, GetBatteryModes},
};

}  // namespace

std::span<const DcmdRoute> BatteryRoutes() { return kBatteryRoutes; }

// Private 0x010EE100: mailbox byte 0 = 1 (read), u16 offset at bytes 4-5, u32 byte count at 8-11.
void GetGasGaugeData(DcmdCall& call)
{
    const Battery& b = call.controller.battery;
    if (!NeedBattery(call))
        return;
    const u32 offset = MailboxU16(call.mailbox, 4);
    const u32 count = MailboxWord(call.mailbox, 2);
    if (call.mailbox[0] != 1 || count == 0 || offset >= b.gasGauge.size() || count > b.gasGauge.size() - offset) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.reply = EncodeGasGaugeData(b, offset, count);
}

}  // namespace sim
