// The catalogue's common table: the building blocks every report is made of (plain text,
// line ends, numbers, column widths, rulers) and the messages of the command framework
// itself (command line, controller selection, adapter access, exit code).
#include "runtime/CtMessage.h"

namespace {

const MessageEntry kCommonMessages[] = {
    {0x1, "%s"},
    {0x2, "\n"},
    {0x3, "%d "},
    {0x4, "%.4x "},
    {0x6, "%.16llx "},
    {0xA, "================\n"},
    {0xB, "==============================================================================\n"},
    {0x11, "Adapter #%d: Dynamic cast failed on %s.\n"},
    {0x12, "Adapter #%d\n\n"},
    {0x14, "Could not allocate memory for %s.\n"},
    {0x32, "%-10s"},
    {0x34, "%-20s"},
    {0x35, "%-25s"},
    {0x36, "%-s"},
    {0x20002, "Unexpected parameter %d given in the command line.\n"},
    {0x20003, "Unexpected parameter %s given in the command line.\n"},
    {0x30002, "Failed to get ControllerId List.\n"},
    {0x30003, "User specified controller is not present.\n"},
    {0x30021, "\nAdapter #%d: Failed to get RM instance\n"},
    {0x30022, "\nAdapter #%d: Failed to initialize RM\n"},
    {0x30023, "Adapter #%d: Failed communicating to adapter..."},
    {0x31001, "\nController Count: %d.\n"},
    {0x32005, "Adapter %d: Virtual Drive %d Does not Exist.\n"},
    {0x33005, "Adapter %d: Device at Enclosure - %s, Slot - %d is not found.\n"},
    {0x33008, "Enclosure ID could not be resolved. \nMultiple enclosures detected.\n"},
    {0x33009, "Enclosure ID could not be resolved. \nEnclosure with direct connected device detected.\n"},
    {0x35017, "Failed to get %s\n"},
    {0x36017, "Adapter #%d: Failed to Perform %s Operation.\n"},
    {0x36067, "Failed while adding the configuration to OS.\n"},
    {0x3610D,
     "Performing this operation will result in data corruption or data "
     "lost, use -force option if you are sure to perform this operation. \n"},
    {0x80001, "Failed to parse command. Use -h option for usage.\n"},
    {0x80002, "\nExit Code: 0x%.2x\n"},
    {0x18, "Adapter %d: %s\n"},
    {0x30009, "ERROR: Failed to open file %s.\n"},
    {0x3611E, "Please reboot the system for the changes to take effect\n"},
};

const MessageTableRegistration kRegisterCommon("Common", kCommonMessages,
                                                 sizeof(kCommonMessages) / sizeof(kCommonMessages[0]));

}  // namespace
