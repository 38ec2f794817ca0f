// The "Physical drive" message table: texts of the physical drive commands and of the drive
// lines other reports print.
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "runtime/CtMessage.h"

namespace PdMsg {
namespace {

const MessageEntry kPhysicalDriveMessages[] = {
    {kEnclSlot, "EnclId - %s SlotId - %d \n"},
    {kPdInfoFailed, "Adapter %d: Failed to Get Drive Information on Device(Encl-%s Slot-%d)\n"},
    {kHotSpareResult, "Adapter: %d: %s Physical Drive at EnclId-%s SlotId-%d as Hot Spare %s.\n"},
    {kInvalidSeqNum, "Invalid sequence number was provided.\n"},
    {kRbldNotRunning, "Device(Encl-%s Slot-%d) is not in rebuild process\n"},
    {kRbldProgress, "Rebuild Progress on Device at Enclosure %s, Slot %d Completed %d%% in %d Minutes.\n"},
    {kRbldStarted, "Started rebuild progress on device(Encl-%s Slot-%d)\n"},
    {kRbldCannotStart, "Cannot Rebuild Physical Drive at Enclosure - %s, Slot - %d.\n"},
    {kRbldStopped, "Stopped rebuild progress on device(Encl-%s Slot-%d)\n"},
    {kRbldNotRebuilding, "Device at Enclosure - %s, Slot - %d is not in Rebuild state.\n"},
    {kClrNotRunning, "Device(Encl-%s Slot-%d) is not in clear process\n"},
    {kClrProgress, "Clear Progress on Device at Enclosure %s, Slot %d Completed %d%% in %d Minutes.\n"},
    {kClrStarted, "Started clear progress on device(Encl-%s Slot-%d)\n"},
    {kClrStartFailed, "Failed to start clear progress on device(Encl-%s Slot-%d)\n"},
    {kClrStopped, "Stopped clear progress on device(Encl-%s Slot-%d)\n"},
    {kClrStopFailed, "Failed to stop clear progress on device(Encl-%s Slot-%d)\n"},
    {kCpyBkProgress, "Copyback Progress on Device at Enclosure %s, Slot %d Completed %d%% in %d Minutes.\n"},
    {kCpyBkCannotStart, "Cannot Start Copyback on specified Physical Drive.\n"},
    {kCpyBkNotRunning, "Physical Drive is not in Copyback state.\n"},
    {kCpyBkStarted, "Started Copyback Operation Successfully. \n"},
    {kCpyBkStopped, "Stopped Copyback Operation Successfully. \n"},
    {kCpyBkInvalidDrives, "Invalid Physical drive(s) specified.\n"},
    {kDirectPdMappingSet, "Adapter %d: Direct Pd Mapping is Set Successfully. \n"},
    {kDirectPdMappingIs, "Adapter %d: Direct Pd Mapping is: %s \n"},
    {kRebootRequired, "This change requires reboot.\n"},
    {kStateOnline, "EnclId-%s SlotId-%d state changed to OnLine.\n"},
    {kStateOffline, "Adapter: %d: EnclId-%s SlotId-%d state changed to OffLine.\n"},
    {kStateChangeFailed, "Adapter: %d: Failed to change PD state at EnclId-%s SlotId-%d.\n"},
    {kMarkedMissing, "EnclId-%s SlotId-%d is marked Missing.\n"},
    {kStateUnconfiguredGood, "Adapter: %d: EnclId-%s SlotId-%d state changed to Unconfigured-Good.\n"},
    {kLocateFailed, "Adapter: %d: Physical Device at EnclId-%s SlotId-%d could not be located\n"},
    {kLocateStarted,
     "Adapter: %d: Device at EnclId-%s SlotId-%d  -- PD Locate Start Command was successfully sent to Firmware \n"},
    {kLocateStopped,
     "Adapter: %d: Device at EnclId-%s SlotId-%d  -- PD Locate Stop Command was successfully sent to Firmware \n"},
    {kStateJbod, "Adapter: %d: EnclId-%s SlotId-%d state changed to JBOD.\n"},
    {kJbodNeedsForce,
     "To prevent data loss and adverse effect on system, please stop all the IOs to this drive.If it is a file "
     "system drive, please unmount it.\n\n use -force option if you are sure to perform this operation\n"},
    {kJbodConversionLimit,
     "The drive cannot be converted from JBOD to Unconfigured Good because, Maximum allowed drive conversion has "
     "been reached. \n"},
    {kNoMissingDrive, "    Adapter %d - No Missing Drive is Found.\n"},
    {kMissingHeading, "    Adapter %d - Missing Physical drives\n\n    No.   Array   Row   Size Expected\n"},
    {kMissingRow, "    %d     %d       %d     %lu MB\n"},
    {kRowNotMissing, "Adapter: %d: Physical drive in array %d at row %d is not missing.\n"},
    {kRowOutOfRange, "Adapter: %d: Row number specified is out of range.\n"},
    {kMissingReplaced, "Adapter: %d: Missing PD at Array %d, Row %d is replaced.\n"},
    {kMissingReplaceFailed, "Adapter: %d: Failed to replace Missing PD at Array %d, Row %d.\n"},
    {kRemovalFailed, "\nAdapter: %d: %sPrepare for removal Failed\n"},
    {kRemovalDone, "\n%sPrepare for removal Success\n"},
    {kNotSasSataBridge, "Adapter %d: Device at Enclosure - %s, Slot - %d is not SAS SATA Bridge .\n"},
    {kFwDownloadNotAllowed, "Firmware Download on Device at Enclosure - %s, Slot - %d in Adapter %d is not allowed\n"},
    {kFwDownloadFailed, "Firmware Download on Device at Enclosure - %s, Slot - %d in Adapter %d Failed \n"},
};

const MessageTableRegistration kRegisterPhysicalDrive("Physical drive", kPhysicalDriveMessages,
                                                      sizeof(kPhysicalDriveMessages) / sizeof(kPhysicalDriveMessages[0]));

}  // namespace
}  // namespace PdMsg
