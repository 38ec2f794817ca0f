// The event-log requests of family 0x01 (routed in Dcmd01Controller.cpp): log information, clear,
// event list and event count. Mailbox word 0 is the start sequence number and word 1 the
// class/locale filter of the list and count requests.
#pragma once
#include "Dcmd.h"
#include "EventLog.h"

namespace sim {

void GetEventLogInfoRequest(DcmdCall& call);  // 0x01040100
void ClearEventLogRequest(DcmdCall& call);    // 0x01040200
void GetEventsRequest(DcmdCall& call);        // 0x01040300
void GetEventCountRequest(DcmdCall& call);    // 0x01040400

// One 256-byte event record as the event list and the event capture segments carry it.
constexpr std::size_t kEventRecordSize = 256;
void PutEventRecord(ByteSpan out, const EventRecord& record);

}  // namespace sim
