// The "Configuration" message table: texts of the configuration commands and of the virtual
// drive headings the virtual drive reports share with them.
#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "runtime/CtMessage.h"

namespace CfgMsg {
namespace {

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
    {kCleared, "Adapter %d: Configuration is Cleared.\n"},
    {kClearFailed, "Adapter %d: Failed to Clear Configuration.\n"},
    {kFreeDiskGroupTitle, "DISK GROUP: %d Number of Spans: %d\n\n"},
    {kFreeSpanSlots, "SPAN: %d Number of Free Space Slots: %d\n"},
    {kFreeSlot, "Slot: %d "},
    {kFreeSpanTotal, "SPAN: %d Total Number of Free Space : 0x%llx "},
    {kFreeSpace, "Free space: 0x%llx "},
    {kSpanCheckBase + 1, "Mix of configured and unconfigured drives are not possible.\n"},
    {kSpanCheckBase + 2,
     "The specified physical disk does not have the appropriate attributes to complete \nthe requested command.\n"},
    {kSpanCheckBase + 3, "Pd count is not consistent with Array.\n"},
    {kSpanCheckBase + 4, "Slicing is not supported for Spanning.\n"},
    {kSpanCheckBase + 5, "Drives are not consistent with configured Array.\n"},
    {kSpanCheckBase + 6, "Unable to get Pd List pointer. \n"},
    {kSpanCheckBase + 7, "Invalid Pd List.\n"},
    {kSpanCheckBase + 8, "Unable to find Disk Group.\n"},
    {kSpanCheckBase + 9, "Unable to find Array.\n"},
    {kSpanCheckBase + 10, "Drives are not consistent with Disk Group.\n"},
    {kSpanCheckBase + 11, "Free space not found.\n"},
    {kSpanCheckBase + 12, "Free space is not consistent on Arrays.\n"},
    {kNotDisk, "\nDevice at [%s : %d] is not Disk\n"},
    {kConfigureFailed, "\nAdapter %d: Configure Adapter Failed\n"},
    {kConfigured, "\nAdapter %d: Configured the Adapter!!\n"},
    {kNoSpannedSlicing, "\nAdapter %d: Slicing spanned arrays is not supported on this adapter\n"},
    {kTwoArraysNeeded, "\nAt least two arrays must be specified to configure spanned VD.\n"},
    {kCfgNotPossible, "\nConfiguration is currently not possible on adapter %d.\n"},
    {kNoConfigurableDisk, "\nNo Configurable Disk Available for Configuraiton on Adapter %d.\n"},
    {kCreatedVd, "Adapter %d: Created VD %d\n"},
    {kEncryptionMismatch, "Encryption Type does not match with existing VD(s) on the Disk Group \n"},
    {kSecuredDrive,
     "\nAtleast one drive in the disk group selected is secured by FDE.\nAny data on the drives will be permanently "
     "lost. use -force option if you are sure to perform this operation\n"},
    {kNot16VdCompatible,
     "Adapter %d: This configuration shall not be backwards compatible to systems that only supports 16 VDs per disk "
     "group.\n"},
    {kSpanBlocksTotal, "blocks(%s)\n\n"},
    {kSpanBlocks, "blocks(%s)\n"},
    {kSpinUpStarted, "\nSpun Down PD's are being Spun Up for Configuration\n"},
    {kSpinUpProgress, "Out of %d PD's Spun Down %d PD's are Spun Up so far\n"},
    {kSpinUpPartial, "\n Only %d Spun Up out of %d drives\n"},
    {kSpinUpOtherSet, "\nAnother set of PD's is being Spun Up by Controller\n"},
    {kSpinUpDone, "\nSpin up of %d drives is successful\n"},
    {kSpinUpFailed, "\n Failed to spin up PD's\n"},
    {kPdSpinningUp, "\n Device at Enclosure - %s, Slot - %d is being Spin Up for Configuration"},
    {kPdSpinUpFailed, "\n Device at Enclosure - %s, Slot - %d Failed to Spun Up \n"},
    {kPdSpunUp, "\n Device at Enclosure - %s, Slot - %d Spun Up for Configuration Creation\n"},
};

const MessageTableRegistration kRegisterConfiguration("Configuration", kConfigurationMessages,
                                                      sizeof(kConfigurationMessages) / sizeof(kConfigurationMessages[0]));

}  // namespace
}  // namespace CfgMsg
