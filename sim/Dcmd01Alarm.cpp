// The controller's audible alarm: its state is the alarm byte of the controller properties.
#include "Dcmd01Settings.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {
namespace {

namespace alarm_status {

constexpr u32 kSize = 4;
constexpr u32 kEnabled = 0;  // u8

}  // namespace alarm_status

bool HasAlarm(DcmdCall& call)
{
    if (call.controller.info.hardwarePresent.count("alarm") != 0)
        return true;
    call.status = kFwDeviceAbsent;
    return false;
}

void SetAlarm(DcmdCall& call, u64 enabled)
{
    if (!HasAlarm(call) || call.controller.properties.alarmEnable == enabled)
        return;
    call.controller.properties.alarmEnable = enabled;
    AppendEvent(call.controller, call.model.clock, enabled != 0 ? kEvAlarmEnabled : kEvAlarmDisabled, EventArgs::None());
    call.changed = true;
}

}  // namespace

void GetAlarmRequest(DcmdCall& call)
{
    if (!HasAlarm(call))
        return;
    call.reply = Block(alarm_status::kSize);
    call.reply.PutU8(alarm_status::kEnabled, call.controller.properties.alarmEnable);
}

void EnableAlarmRequest(DcmdCall& call) { SetAlarm(call, 1); }

void DisableAlarmRequest(DcmdCall& call) { SetAlarm(call, 0); }

// Silencing quiets a sounding alarm; whether the alarm is enabled stays as it is.
void SilenceAlarmRequest(DcmdCall& call)
{
    if (!HasAlarm(call))
        return;
    AppendEvent(call.controller, call.model.clock, kEvAlarmSilenced, EventArgs::None());
    call.changed = true;
}

}  // namespace sim
