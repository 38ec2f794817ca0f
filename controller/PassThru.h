// SCSI commands that read data from a device behind the controller (a pass-through to a physical
// device, frame command 4, LUN 0), as drives and enclosures are asked for what only they hold.
#pragma once
#include "ZepUtil/Types.h"

class Controller;

constexpr u8 kFramePhysicalDevice = 4;
constexpr u8 kPassThruSenseSize = 32;
// A pass-through names its device by an 8-bit target id: a larger device id cannot be reached.
constexpr u16 kMaxPassThruTarget = 0xFF;

// Sends the CDB to the device with the target id; up to `length` bytes come back into `buffer`,
// which is written only when the command succeeded. The request's status (the device's SCSI
// status or the controller's); -1 without a controller.
int ReadFromDevice(Controller* controller, u8 target, const u8* cdb, u8 cdbLength, u8* buffer, u32 length);
