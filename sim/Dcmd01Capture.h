// The advanced event capture requests of family 0x01 (routed in Dcmd01Controller.cpp): control
// (mailbox word 0 the operation, words 1 and 2 its arguments), the settings block and one
// segment of the capture buffer (mailbox word 0 its index; word 1 comes back with the bytes it
// holds).
#pragma once
#include "Dcmd.h"

namespace sim {

constexpr u32 kFwCaptureRunning = 97;  // segments are read only while capture is stopped

void CaptureControlRequest(DcmdCall& call);   // 0x01180100
void CaptureSegmentRequest(DcmdCall& call);   // 0x01180200
void CaptureSettingsRequest(DcmdCall& call);  // 0x01180300

}  // namespace sim
