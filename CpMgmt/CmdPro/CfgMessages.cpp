// The "Configuration" message table: texts of the configuration commands and of the virtual
// drive headings the virtual drive reports share with them.
#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

using namespace CfgMsg;

const MessageEntry kConfigurationMessages[] = {
    {kNoDiskGroupList, "Failed to get Disk Group list\n"},
    {kDiskGroupCount, "Number of DISK GROUPS: %d\n\n"},
    {kDiskGroupTitle, "%sDISK GROUP: %d\n"},
    {kSpanTitle, "SPAN: %d\n"},
    {kVdInfoTitle, "%sVirtual Drive Information:\n"},
    {kVdTitle, "%sVirtual Drive: %d (Target Id: %d)\n"},
    {kPdInfoTitle, "Physical Disk Information:\n"},
    {kPdTitle, "Physical Disk: %d\n"},
    {kAdapterSummary, "Adapter: %d\nProduct Name: %.80s\nMemory: %dMB\nBBU: %s\nSerial No: %.32s\n"},
};

const MessageTableRegistration kRegisterConfiguration("Configuration", kConfigurationMessages,
                                                      sizeof(kConfigurationMessages) / sizeof(kConfigurationMessages[0]));

}  // namespace
