// Catalogue ids of the common table (CommonMessages.cpp): the building blocks every report is
// made of and the messages of the command framework. Every file that prints one of these uses
// the name here; the family tables (CpMgmt/CmdPro/*MessageIds.h) hold only their own ids.
#pragma once
#include "ZepUtil/Types.h"

namespace CommonMsg {

// Building blocks.
constexpr u32 kText = 0x1;                  // "%s"
constexpr u32 kLineEnd = 0x2;               // "\n"
constexpr u32 kNumber = 0x3;                // "%d "
constexpr u32 kHex16 = 0x4;                 // "%.4x "
constexpr u32 kHex64 = 0x6;                 // "%.16llx "
constexpr u32 kDecimal64 = 0x7;             // "%.16lld "
constexpr u32 kUnderline = 0xA;             // 16 "=" and a line end
constexpr u32 kRuler = 0xB;                 // 78 "=" and a line end
constexpr u32 kColumn10 = 0x32;             // "%-10s"
constexpr u32 kColumn20 = 0x34;             // "%-20s"
constexpr u32 kColumn25 = 0x35;             // "%-25s"
constexpr u32 kLeftText = 0x36;             // "%-s"

// Adapter lines.
constexpr u32 kDynamicCastFailed = 0x11;    // "Adapter #%d: Dynamic cast failed on %s.\n"
constexpr u32 kAdapterTitle = 0x12;         // "Adapter #%d\n\n"
constexpr u32 kInvalidOption = 0x13;        // "Invalid option specified.\n"
constexpr u32 kNoMemory = 0x14;             // "Could not allocate memory for %s.\n"
constexpr u32 kAdapterText = 0x18;          // "Adapter %d: %s\n"
constexpr u32 kNoVdConfigured = 0x19;       // "Adapter %d: No virtual drive is configured.\n"

// Command line.
constexpr u32 kInvalidOptionWord = 0x20001; // "\nInvalid option specified.\n": a word of another command's family
constexpr u32 kUnexpectedNumber = 0x20002;  // "Unexpected parameter %d given in the command line.\n"
constexpr u32 kUnexpectedText = 0x20003;    // "Unexpected parameter %s given in the command line.\n"
constexpr u32 kParseFailed = 0x80001;       // "Failed to parse command. Use -h option for usage.\n"
constexpr u32 kExitCode = 0x80002;          // "\nExit Code: 0x%.2x\n"

// Controller selection and access.
constexpr u32 kNoControllerList = 0x30002;     // "Failed to get ControllerId List.\n"
constexpr u32 kControllerNotPresent = 0x30003; // "User specified controller is not present.\n"
constexpr u32 kGetDataFailed = 0x30007;        // "Failed to get data on Adapter %d\n"
constexpr u32 kSetDataFailed = 0x30008;        // "Failed to Set data on Adapter %d\n"
constexpr u32 kOpenFileFailed = 0x30009;       // "ERROR: Failed to open file %s.\n"
constexpr u32 kReadFileFailed = 0x30031;       // "ERROR: Failed to read file %s.\n"
constexpr u32 kWriteFileFailed = 0x30032;      // "ERROR: Failed to write file %s.\n"
constexpr u32 kFileFaultReason = 0x30033;      // "Reason: %s.\n", after one of the three above
constexpr u32 kNoRaidManager = 0x30021;        // "\nAdapter #%d: Failed to get RM instance\n"
constexpr u32 kRaidManagerInitFailed = 0x30022; // "\nAdapter #%d: Failed to initialize RM\n"
constexpr u32 kAdapterUnreachable = 0x30023;   // "Adapter #%d: Failed communicating to adapter..."
constexpr u32 kControllerCount = 0x31001;      // "\nController Count: %d.\n"
// A report that goes on past a failed read names what it could not read (CpMgmt/ReportStatus.h).
constexpr u32 kReadFailed = 0x30034;           // "Adapter %d: Failed to read %s.\n"
constexpr u32 kDriveReadFailed = 0x30035;      // "... the information of the device at Enclosure - %s, Slot - %d.\n"

// Objects and operations.
constexpr u32 kVdNotFound = 0x32005;           // "Adapter %d: Virtual Drive %d Does not Exist.\n"
constexpr u32 kPdNotFound = 0x33005;           // "Adapter %d: Device at Enclosure - %s, Slot - %d is not found.\n"
constexpr u32 kMultipleEnclosures = 0x33008;   // enclosure id "?" with several enclosures
constexpr u32 kDirectConnected = 0x33009;      // enclosure id "?" with a directly connected drive
constexpr u32 kFailedToGet = 0x35017;          // "Failed to get %s\n"
constexpr u32 kPhyInfoFailed = 0x3600D;        // "Failed to Get Phy Information on Adapter %d\n"
constexpr u32 kOperationFailed = 0x36017;      // "Adapter #%d: Failed to Perform %s Operation.\n"
constexpr u32 kOsUpdateFailed = 0x36067;       // "Failed while adding the configuration to OS.\n"
constexpr u32 kDataLossWarning = 0x3610D;      // "... use -force option if you are sure ..."
constexpr u32 kRebootNeeded = 0x3611E;         // "Please reboot the system for the changes to take effect\n"

}  // namespace CommonMsg
