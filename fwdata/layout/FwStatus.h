// Firmware command statuses, as a request answers them (the firmware's status of the library
// packet) and as the commands that pass one on end with it. Their texts are in
// cmdtool/FwErrorTexts.cpp.
#pragma once

namespace fwstatus {
constexpr int kInvalidOpcode = 1;
constexpr int kNotSupported = 2;
constexpr int kInvalidParameter = 3;
constexpr int kInvalidSeqNum = 4;        // an older sequence number of the virtual drive
constexpr int kNotEnoughDrives = 11;     // no usable drive for the configuration
constexpr int kDeviceNotFound = 12;      // no drive, enclosure or virtual drive has the id
constexpr int kWrongDriveState = 50;     // the drive's state does not allow the operation
}  // namespace fwstatus
