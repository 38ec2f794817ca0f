// Firmware command statuses, as a request answers them (the firmware's status of the library
// packet) and as the commands that pass one on end with it. Their texts are in
// cmdtool/FwErrorTexts.cpp. The statuses a command ends with on its own account (a refusal of the
// tool's checks that a command's description numbers) are not firmware statuses and stay with
// the command.
#pragma once

namespace fwstatus {
constexpr int kInvalidOpcode = 1;        // also the answer of a request whose feature is off
constexpr int kNotSupported = 2;
constexpr int kInvalidParameter = 3;
constexpr int kInvalidSeqNum = 4;        // an older sequence number of the virtual drive
constexpr int kNotEnoughDrives = 11;     // no usable drive for the configuration
constexpr int kDeviceNotFound = 12;      // no drive, enclosure or virtual drive has the id
constexpr int kAllocFailed = 14;         // the controller could not allocate the memory asked for
constexpr int kFlashInProgress = 15;     // a flash of the controller's firmware already runs
constexpr int kNoFreeSpace = 26;         // no free space, or the virtual-drive limit is reached
constexpr int kDriveRebuilding = 28;
constexpr int kOutOfMemory = 32;         // not enough memory on the controller
constexpr int kDeviceAbsent = 34;        // no battery, alarm, ... is attached
constexpr int kNoSuchObject = 35;        // e.g. no event from the sequence number on
constexpr int kPatrolReadDisabled = 39;
constexpr int kWrongDriveState = 50;     // the drive's state does not allow the operation
constexpr int kOnePdPerArray = 64;       // only one drive of an array may be updated at a time
constexpr int kSecureVdPresent = 75;
constexpr int kDrivesSpinningUp = 85;
constexpr int kOtherSetSpinningUp = 86;  // another set of drives is spinning up
constexpr int kNoPatrolReadDrives = 88;
constexpr int kJbodConversionLimit = 95; // the limit of system-drive conversions is reached
}  // namespace fwstatus
