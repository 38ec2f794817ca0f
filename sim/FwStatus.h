// Command statuses the simulated firmware answers with.
#pragma once
#include "Bytes.h"

namespace sim {

constexpr u32 kFwOk = 0;
constexpr u32 kFwInvalidOpcode = 1;     // the controller knows no such request
constexpr u32 kFwNotSupported = 2;      // the controller lacks what the request needs
constexpr u32 kFwFeatureOff = 1;        // bad-block management or protection information is not on
constexpr u32 kFwInvalidParameter = 3;  // a data transfer that does not fit the request, or a bad value
constexpr u32 kFwInvalidSequence = 4;   // the request names an older sequence number of the object
constexpr u32 kFwNotFound = 12;         // no device or virtual drive with the id the request names
constexpr u32 kFwDeviceAbsent = 34;       // the hardware the request addresses is not fitted
constexpr u32 kFwInProgress = 36;         // the operation runs already
constexpr u32 kFwNoOperation = 37;        // no operation that the request could act on
constexpr u32 kFwPatrolReadDisabled = 39; // patrol read is disabled
constexpr u32 kFwNoPatrolReadDrives = 88; // no drive can be read by patrol read
constexpr u32 kFwWrongState = 50;       // the object is not in a state that allows the request
// Virtual drives (docs/firmware-interface.md, "Virtual drives: background work and maintenance"),
// besides 36 and 37 for their work.
constexpr u32 kFwVdBusy = 41;             // other work runs on the virtual drive
constexpr u32 kFwVdStateNotAllowed = 42;  // the virtual drive's level or state does not allow the request
constexpr u32 kFwNoPreservedCache = 92;   // the target id holds no preserved cache
constexpr u32 kFwMirrorNotAllowed = 94;   // the virtual drive has no mirror, or joining is turned off
constexpr u32 kFwJbodLimit = 95;        // no more system drives may be made unconfigured good
// Foreign configurations and the escrow key (docs/firmware-interface.md, "Foreign configurations").
constexpr u32 kFwNoSuchConfig = 31;         // no foreign configuration has the index
constexpr u32 kFwKeyInvalid = 66;           // the key unlocks no drive, or is not the controller's key
constexpr u32 kFwNoSecurityKey = 68;        // secured drives, and the controller holds no key
constexpr u32 kFwDriveLocked = 69;          // a drive is locked by a key the controller does not have
constexpr u32 kFwEncryptionDisabled = 73;   // the controller does not do drive security
constexpr u32 kFwPiImportRefused = 255;     // protection information the controller does not import
// Configuration changes (docs/firmware-interface.md, "Configuration changes").
constexpr u32 kFwNotEnoughDrives = 11;    // too few drives for the RAID level (or an odd count for a mirror)
constexpr u32 kFwNoSpace = 26;            // no free space there, or a virtual-drive limit reached
constexpr u32 kFwDriveRebuilding = 28;    // a member of the array is rebuilding
constexpr u32 kFwForeignDrive = 30;       // the drive holds a foreign configuration
constexpr u32 kFwInvalidRaidLevel = 43;   // a RAID level the controller does not offer
constexpr u32 kFwInvalidStrip = 44;       // a strip size outside the controller's limits
constexpr u32 kFwInvalidSize = 45;        // a size the extents cannot hold
constexpr u32 kFwSpanLimit = 46;          // more spans than a virtual drive takes
constexpr u32 kFwDriveCountLimit = 47;    // more drives than an array of the level takes
constexpr u32 kFwDriveTooSmall = 48;      // the drive is smaller than the array it should serve
constexpr u32 kFwDriveMix = 49;           // drive media or interfaces the controller does not mix
constexpr u32 kFwDriveConfigured = 52;    // the drive is in an array (or a system drive)
constexpr u32 kFwDriveIsSpare = 53;       // the drive is a hot spare
constexpr u32 kFwSpinningUp = 85;         // drives are still spinning up
constexpr u32 kFwDataWouldBeLost = 102;   // an unforced clear while virtual drives exist
// Drive security (docs/firmware-interface.md, "Drive security").
constexpr u32 kFwKeyExists = 67;          // the controller holds a key already
constexpr u32 kFwKeyNotSet = 68;          // the controller holds no key
constexpr u32 kFwEncryptionOff = 73;      // encryption is not enabled on the controller
constexpr u32 kFwKeyManagement = 74;      // external key management is not available
constexpr u32 kFwSecureVdPresent = 75;    // a secured virtual drive still needs the key
constexpr u32 kFwNotSecurityCapable = 70; // the drive (or a member drive) cannot encrypt
constexpr u32 kFwSecureEraseRunning = 71; // a secure erase runs on the drive

constexpr u32 kScsiCheckCondition = 2;  // SCSI status of a pass-through

}  // namespace sim
