// The "Physical drive" message table: texts of the physical drive commands and of the drive
// lines other reports print.
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

using namespace PdMsg;

const MessageEntry kPhysicalDriveMessages[] = {
    {kEnclSlot, "EnclId - %s SlotId - %d \n"},
};

const MessageTableRegistration kRegisterPhysicalDrive("Physical drive", kPhysicalDriveMessages,
                                                      sizeof(kPhysicalDriveMessages) / sizeof(kPhysicalDriveMessages[0]));

}  // namespace
