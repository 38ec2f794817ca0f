// The "Virtual drive" message table: texts of the virtual drive commands.
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

using namespace LdMsg;

const MessageEntry kVirtualDriveMessages[] = {
    {kVirtualDiskCount, "Number of Virtual Disks: %d\n"},
    {kNoVirtualDrive, "Adapter %d: No Virtual Drive Configured.\n"},
    {kInfoTitle, "\nAdapter %d -- Virtual Drive Information:\n"},
    {kSpanCount, "Number of Spans: %d\n"},
    {kSpanPdCount, "Span: %d - Number of PDs: %d\n"},
    {kPdTitle, "PD: %d Information\n"},
    {kDedicatedSpareCount, "Number of Dedicated Hot Spares: %d\n"},
    {kDeleted, "Adapter %d: Deleted Virtual Drive-%d(target id-%d)\n"},
    {kDeleteFailed, "Adapter %d: Failed to delete Virtual Drive-%d\n"},
};

const MessageTableRegistration kRegisterVirtualDrive("Virtual drive", kVirtualDriveMessages,
                                                     sizeof(kVirtualDriveMessages) / sizeof(kVirtualDriveMessages[0]));

}  // namespace
