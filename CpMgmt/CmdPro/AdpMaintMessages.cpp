// The "Adapter maintenance" message table: the texts of the firmware flash command. The
// adapter-line, file and reboot texts that several command families print are in the common
// table.
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

using namespace MaintMsg;

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
};

const MessageTableRegistration kRegisterMaintenance("Adapter maintenance", kMaintenanceMessages,
                                                    sizeof(kMaintenanceMessages) / sizeof(kMaintenanceMessages[0]));

}  // namespace
