// The controller's setting requests of family 0x01 beyond its properties (routed in
// Dcmd01Controller.cpp): the alarm, patrol read, the BIOS data and the consistency-check
// schedule. Each kept block is read whole and written whole; a written block holding a value
// the controller does not define is refused with status 3 and changes nothing.
#pragma once
#include "Dcmd.h"

namespace sim {

// Alarm (Dcmd01Alarm.cpp). Every request answers 34 when the controller has no alarm.
void GetAlarmRequest(DcmdCall& call);      // 0x01030100, 4 bytes: 1 enabled, 0 disabled
void EnableAlarmRequest(DcmdCall& call);   // 0x01030200
void DisableAlarmRequest(DcmdCall& call);  // 0x01030300
void SilenceAlarmRequest(DcmdCall& call);  // 0x01030400

// Patrol read (Dcmd01PatrolRead.cpp, rules in PatrolRead.h).
void GetPatrolReadStatusRequest(DcmdCall& call);      // 0x01070100
void GetPatrolReadPropertiesRequest(DcmdCall& call);  // 0x01070200
void SetPatrolReadPropertiesRequest(DcmdCall& call);  // 0x01070300
void StartPatrolReadRequest(DcmdCall& call);          // 0x01070400
void StopPatrolReadRequest(DcmdCall& call);           // 0x01070500
void SuspendResumePatrolReadRequest(DcmdCall& call);  // 0x01070600, mailbox byte 0: 0 suspend, 1 resume

// BIOS data (Dcmd01Bios.cpp).
void GetBiosRequest(DcmdCall& call);  // 0x010C0100
void SetBiosRequest(DcmdCall& call);  // 0x010C0200

// Consistency-check schedule (Dcmd01CcSchedule.cpp). A controller without one answers 2.
void GetCcStatusRequest(DcmdCall& call);    // 0x01140100
void GetCcScheduleRequest(DcmdCall& call);  // 0x01140200
void SetCcScheduleRequest(DcmdCall& call);  // 0x01140300

}  // namespace sim
