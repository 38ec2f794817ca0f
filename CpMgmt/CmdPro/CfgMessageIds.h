// Catalogue ids of the "Configuration" table (CfgMessages.cpp).
#pragma once
#include "ZepUtil/Types.h"

namespace CfgMsg {

constexpr u32 kNoDiskGroupList = 0x30024;   // "Failed to get Disk Group list\n"
constexpr u32 kDiskGroupCount = 0x35011;    // "Number of DISK GROUPS: %d\n\n"
constexpr u32 kDiskGroupTitle = 0x35012;    // "%sDISK GROUP: %d\n"
constexpr u32 kSpanTitle = 0x35018;         // "SPAN: %d\n"
constexpr u32 kVdInfoTitle = 0x35019;       // "%sVirtual Drive Information:\n"
constexpr u32 kVdTitle = 0x3501A;           // "%sVirtual Drive: %d (Target Id: %d)\n"
constexpr u32 kPdInfoTitle = 0x3501C;       // "Physical Disk Information:\n"
constexpr u32 kPdTitle = 0x3501D;           // "Physical Disk: %d\n"
constexpr u32 kAdapterSummary = 0x3501F;    // adapter, product name, memory, BBU, serial number

// Creation, clear and free space.
constexpr u32 kCleared = 0x35001;              // "Adapter %d: Configuration is Cleared.\n"
constexpr u32 kClearFailed = 0x35002;          // "Adapter %d: Failed to Clear Configuration.\n"
constexpr u32 kFreeDiskGroupTitle = 0x35013;   // "DISK GROUP: %d Number of Spans: %d\n\n"
constexpr u32 kFreeSpanSlots = 0x35014;        // "SPAN: %d Number of Free Space Slots: %d\n"
constexpr u32 kFreeSlot = 0x35015;             // "Slot: %d "
constexpr u32 kFreeSpanTotal = 0x35016;        // "SPAN: %d Total Number of Free Space : 0x%llx "
constexpr u32 kFreeSpace = 0x35020;            // "Free space: 0x%llx "
// The refusals of the drive-list check: kSpanCheckBase + status, statuses 1 to 12.
constexpr u32 kSpanCheckBase = 0x35050;
constexpr u32 kNotDisk = 0x35071;              // "\nDevice at [%s : %d] is not Disk\n"
constexpr u32 kConfigureFailed = 0x35073;      // "\nAdapter %d: Configure Adapter Failed\n"
constexpr u32 kConfigured = 0x35074;           // "\nAdapter %d: Configured the Adapter!!\n"
constexpr u32 kNoSpannedSlicing = 0x35076;     // "\nAdapter %d: Slicing spanned arrays is not supported ..."
constexpr u32 kTwoArraysNeeded = 0x35077;      // "\nAt least two arrays must be specified to configure spanned VD.\n"
constexpr u32 kCfgNotPossible = 0x35078;       // "\nConfiguration is currently not possible on adapter %d.\n"
constexpr u32 kNoConfigurableDisk = 0x35079;   // "\nNo Configurable Disk Available for Configuraiton on Adapter %d.\n"
constexpr u32 kCreatedVd = 0x3507A;            // "Adapter %d: Created VD %d\n"
constexpr u32 kEncryptionMismatch = 0x35088;   // "Encryption Type does not match with existing VD(s) ..."
constexpr u32 kSecuredDrive = 0x35089;         // "\nAtleast one drive in the disk group selected is secured by FDE. ..."
constexpr u32 kNot16VdCompatible = 0x36043;    // "Adapter %d: This configuration shall not be backwards compatible ..."
constexpr u32 kSpanBlocksTotal = 0x36062;      // "blocks(%s)\n\n"
constexpr u32 kSpanBlocks = 0x36063;           // "blocks(%s)\n"
constexpr u32 kSpinUpStarted = 0x36069;        // "\nSpun Down PD's are being Spun Up for Configuration\n"
constexpr u32 kSpinUpProgress = 0x36070;       // "Out of %d PD's Spun Down %d PD's are Spun Up so far\n"
constexpr u32 kSpinUpPartial = 0x36071;        // "\n Only %d Spun Up out of %d drives\n"
constexpr u32 kSpinUpOtherSet = 0x36072;       // "\nAnother set of PD's is being Spun Up by Controller\n"
constexpr u32 kSpinUpDone = 0x36073;           // "\nSpin up of %d drives is successful\n"
constexpr u32 kSpinUpFailed = 0x36074;         // "\n Failed to spin up PD's\n"
constexpr u32 kPdSpinningUp = 0x36075;         // "\n Device at Enclosure - %s, Slot - %d is being Spin Up ..."
constexpr u32 kPdSpinUpFailed = 0x36076;       // "\n Device at Enclosure - %s, Slot - %d Failed to Spun Up \n"
constexpr u32 kPdSpunUp = 0x36077;             // "\n Device at Enclosure - %s, Slot - %d Spun Up for ..."

}  // namespace CfgMsg
