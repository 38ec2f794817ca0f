// Patrol-read requests: the status, the properties (read whole, written whole) and the run.
#include "Dcmd01Settings.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Operations.h"
#include "PatrolRead.h"

namespace sim {

void GetPatrolReadStatusRequest(DcmdCall& call) { call.reply = EncodePatrolReadStatus(call.controller); }

void GetPatrolReadPropertiesRequest(DcmdCall& call) { call.reply = EncodePatrolReadProperties(call.controller.patrolRead); }

// Solid state drives may be read only while the controller properties allow it.
void SetPatrolReadPropertiesRequest(DcmdCall& call)
{
    PatrolRead updated = call.controller.patrolRead;
    if (!DecodePatrolReadProperties(call.data, updated) ||
        (updated.ssd != 0 && call.controller.properties.ssdPatrolRead == 0)) {
        call.status = kFwInvalidParameter;
        return;
    }
    if (updated == call.controller.patrolRead)
        return;
    call.controller.patrolRead = updated;
    AppendEvent(call.controller, call.model.clock, kEvPrPropertiesChanged, EventArgs::None());
    PatrolReadSettingsChanged(call.controller, call.Now());
    call.changed = true;
}

void StartPatrolReadRequest(DcmdCall& call) { call.Done(StartPatrolRead(call.controller, call.Now())); }

void StopPatrolReadRequest(DcmdCall& call) { call.Done(StopPatrolRead(call.controller, call.Now())); }

void SuspendResumePatrolReadRequest(DcmdCall& call)
{
    switch (call.mailbox[0]) {
    case kSuspendWork:
        call.Done(SuspendPatrolRead(call.controller, call.Now()));
        break;
    case kResumeWork:
        call.Done(ResumePatrolRead(call.controller, call.Now()));
        break;
    default:
        call.status = kFwInvalidParameter;
    }
}

}  // namespace sim
