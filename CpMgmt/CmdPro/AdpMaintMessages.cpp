// The "Adapter maintenance" message table: the texts of the firmware flash command and of the
// event log command. The
// adapter-line, file and reboot texts that several command families print are in the common
// table.
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "runtime/CtMessage.h"

namespace MaintMsg {
namespace {

const MessageEntry kMaintenanceMessages[] = {
    {kPciIds, "Vendor ID: 0x%0.4X, Device ID: 0x%0.4X\n\n"},
    {kImageNotValidated, "ERROR: Failed to Validate The Image File %s. Stop!!!\n"},
    {kImageInvalid, "ERROR: The image file is invalid and could not be flashed to the controller!!!\n"},
    {kNoControllerInfo, "ERROR: Failed to get controller information! Stop!!!\n"},
    {kFwVersionController, "FW version on the controller: %s \n"},
    {kFwVersionImage, "FW version of the image file: %s \n"},
    {kPackageController, "Package version on the controller: %s \n"},
    {kPackageImage, "Package version of the image file: %s \n"},
    {kImageNotNewer,
     "ERROR: The image file has older version than or same as that on the \n"
     "       controller. The controller is not flashed.\n\n"},
    {kFlashNoMemory, "Firmware Failed to Allocate Memory for Flash. Stop!!!\n"},
    {kFlashInProgress, "Flash download is already in progress. Stop!!!\n"},
    {kFlashOpenFailed, "Failed to open flash. Stop!!!\n"},
    {kDownloadFailed, "ERROR: Failed to Download Flash. Stop!!!\n"},
    {kFlashing, "Flashing image to adapter...\n"},
    {kCommitFailed, "Firmware Failed to FLASH flash. Stop!!!\n"},
    {kFlashCompleted, "Adapter %d: Flash Completed.\n"},
    {kEventLogInfo,
     "Newest Seqnum: 0x%.8lx\nOldest Seqnum: 0x%.8lx\nClear Seqnum: 0x%.8lx\nShutdown Seqnum: 0x%.8lx\n"
     "Reboot Seqnum: 0x%.8lx\n"},
    {kEventFileHeader, "Adapter: %d - Number of Events : %lu\n\n"},
    {kEventSeqNum, "\n\nseqNum: 0x%.8x\n"},
    {kEventSinceReboot, "Seconds since last reboot: %d\n"},
    {kEventTime, "Time: %s\n"},
    {kEventCodeClassLocale, "Code: 0x%.8x\nClass: %d\nLocale: 0x%.2x\n"},
    {kEventDescription, "Event Description: %.127s\n"},
    {kEventDataBanner, "Event Data:\n===========\n"},
    {kEventArgNone, "None\n"},
    {kEventLdCount, "LD Count: %d\n"},
    {kEventCdb, "CDB Length: %d\nCDB Data:\n"},
    {kEventSense, "Sense Length: %d\nSense Data:\n"},
    {kEventLba, "LBA: %llu\n"},
    {kEventVdLba, "VD LBA: %llu\n"},
    {kEventStrip, "Strip: %llu\n"},
    {kEventPdAddress,
     "Device ID: %d\nEnclosure Device ID: %d\nEnclosure Index: %d\nSlot Number: %d\nSAS Address 1: %llx\n"},
    {kEventOwner, "Previous Owner: %d\nNew Owner: %d\n"},
    {kEventState, "Previous state: %d\nNew state: %d\n"},
    {kEventError, "Error: %d\n"},
    {kEventPci, "VendorId: %x\nDeviceId: %x\nSubVendorId: %x\nSubDeviceId: %x\n"},
    {kEventRate, "Rate: %d\n"},
    {kEventString, "String: %.96s\n"},
    {kEventPowerOnTime, "Elapsed Time since power-on: %d\n"},
    {kEventEcc, "ECAR Register: 0x%.8x\nELOG Register: 0x%.8x\nDescription: %.64s\n"},
    {kEventPreviousProperties, "Previous LD Properties\n"},
    {kEventNewProperties, "New LD Properties\n"},
    {kEventProperties,
     "Access Policy: %d\nCurrent Cache Policy: %d\nDefault Cache Policy: %d\nDisk Cache Policy: %d\nName: %.16s\n"
     "NoBgi: %d\n"},
    {kEventSpare, "Spare Type: %s %s %s\nArrays Dedicated to:"},
    {kEventIndex, "Index: %ld\n"},
    {kEventDiagPass, "Pass Count: %ld\nDiag Name : %.64s\n"},
    {kEventDiagFail, "Pass Count: %ld\nOffset of Failure: %ld\nGood Data: %d\nBad Data: %d\nDiag Name : %.64s\n"},
    {kEventLbaRemap, "Bad LBA     : %llu\nRemapped LBA: %llu\n"},
    {kEventPortPhy, "Port: %lu\nPhy : %lu\n"},
    {kEventArrayRow, "Array: %lu\nRow: %lu\n"},
    {kEventNone, "None\n"},
    {kEventPdRef, "Device ID: %d\nEnclosure Index: %d\nSlot Number: %d\n"},
    {kEventLdRef, "Target Id: %d\n"},
    {kEventNoneLogged, "Adapter %d: No %s related event logged.\n"},
    {kEventRedundantPath, "Redundant path is %d \n"},
    {kEventSasAddress2, "SAS Address 2: %llx\n"},
    {kEventPdLba, "PD LBA: %llu\n"},
    {kFileWriteFailed, "\n File write failed \n"},
    {kNoCcErrors, "There are no CC errors logged. \n\n"},
    {kSendCommandFailed, "Failed sending command to Adapter %d\n"},
    {kTermLogReadFailed, "Error reading firmware term log data.\n"},
    {kTermLogTitle, "Firmware Term Log Information on controller %d:\n"},
    {kTermLogCleared, "Firmware termlog is cleared on Adapter %d\n"},
    {kTermLogBbuSet, "Battery is set to %s for TTY history on Adapter %d\n"},
    {kTermLogBbu, "Battery is %s for TTY history on Adapter %d\n"},
};

const MessageTableRegistration kRegisterMaintenance("Adapter maintenance", kMaintenanceMessages,
                                                    sizeof(kMaintenanceMessages) / sizeof(kMaintenanceMessages[0]));

}  // namespace
}  // namespace MaintMsg
