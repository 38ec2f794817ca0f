// The catalogue's common table: the building blocks every report is made of (plain text,
// line ends, numbers, column widths, rulers) and the messages of the command framework
// itself (command line, controller selection, adapter access, exit code).
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace CommonMsg {
namespace {

const MessageEntry kCommonMessages[] = {
    {kText, "%s"},
    {kLineEnd, "\n"},
    {kNumber, "%d "},
    {kHex16, "%.4x "},
    {kHex64, "%.16llx "},
    {kDecimal64, "%.16lld "},
    {kUnderline, "================\n"},
    {kRuler, "==============================================================================\n"},
    {kDynamicCastFailed, "Adapter #%d: Dynamic cast failed on %s.\n"},
    {kAdapterTitle, "Adapter #%d\n\n"},
    {kInvalidOption, "Invalid option specified.\n"},
    {kNoMemory, "Could not allocate memory for %s.\n"},
    {kNoVdConfigured, "Adapter %d: No virtual drive is configured.\n"},
    {kColumn10, "%-10s"},
    {kColumn20, "%-20s"},
    {kColumn25, "%-25s"},
    {kLeftText, "%-s"},
    {kInvalidOptionWord, "\nInvalid option specified.\n"},
    {kUnexpectedNumber, "Unexpected parameter %d given in the command line.\n"},
    {kUnexpectedText, "Unexpected parameter %s given in the command line.\n"},
    {kNoControllerList, "Failed to get ControllerId List.\n"},
    {kControllerNotPresent, "User specified controller is not present.\n"},
    {kNoRaidManager, "\nAdapter #%d: Failed to get RM instance\n"},
    {kRaidManagerInitFailed, "\nAdapter #%d: Failed to initialize RM\n"},
    {kAdapterUnreachable, "Adapter #%d: Failed communicating to adapter..."},
    {kControllerCount, "\nController Count: %d.\n"},
    {kVdNotFound, "Adapter %d: Virtual Drive %d Does not Exist.\n"},
    {kPdNotFound, "Adapter %d: Device at Enclosure - %s, Slot - %d is not found.\n"},
    {kMultipleEnclosures, "Enclosure ID could not be resolved. \nMultiple enclosures detected.\n"},
    {kDirectConnected, "Enclosure ID could not be resolved. \nEnclosure with direct connected device detected.\n"},
    {kFailedToGet, "Failed to get %s\n"},
    {kOperationFailed, "Adapter #%d: Failed to Perform %s Operation.\n"},
    {kOsUpdateFailed, "Failed while adding the configuration to OS.\n"},
    {kDataLossWarning,
     "Performing this operation will result in data corruption or data "
     "lost, use -force option if you are sure to perform this operation. \n"},
    {kParseFailed, "Failed to parse command. Use -h option for usage.\n"},
    {kExitCode, "\nExit Code: 0x%.2x\n"},
    {kAdapterText, "Adapter %d: %s\n"},
    {kGetDataFailed, "Failed to get data on Adapter %d\n"},
    {kSetDataFailed, "Failed to Set data on Adapter %d\n"},
    {kOpenFileFailed, "ERROR: Failed to open file %s.\n"},
    {kReadFileFailed, "ERROR: Failed to read file %s.\n"},
    {kWriteFileFailed, "ERROR: Failed to write file %s.\n"},
    {kFileFaultReason, "Reason: %s.\n"},
    {kReadFailed, "Adapter %d: Failed to read %s.\n"},
    {kDriveReadFailed, "Adapter %d: Failed to read the information of the device at Enclosure - %s, Slot - %d.\n"},
    {kPhyInfoFailed, "Failed to Get Phy Information on Adapter %d\n"},
    {kRebootNeeded, "Please reboot the system for the changes to take effect\n"},
};

const MessageTableRegistration kRegisterCommon("Common", kCommonMessages,
                                                 sizeof(kCommonMessages) / sizeof(kCommonMessages[0]));

}  // namespace
}  // namespace CommonMsg
