// Catalogue ids of the table of foreign configurations, saved configurations and the SSD cache
// (CfgForeignMessages.cpp).
#pragma once
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "ZepUtil/Types.h"

namespace CfgForeignMsg {

// Saved configurations.
constexpr u32 kSaveFailed = 0x35021;        // "Failed to get config data.\n"
constexpr u32 kSaved = 0x35022;             // "Config data is saved to the file.\n"
constexpr u32 kRestoreFailed = 0x35023;     // "Failed to restore config data.\n"
constexpr u32 kRestored = 0x35024;          // "Config data is restored to the adapter.\n"

// Foreign configurations.
constexpr u32 kNoForeignCfg = 0x35031;      // "There is no foreign configuration on controller %d.\n"
constexpr u32 kForeignCount = 0x35032;      // "There are %d foreign configuration(s) on controller %d.\n"
constexpr u32 kNoSuchCfg = 0x35033;         // "Foreign configuration %d does not exist on controller %d.\n"
constexpr u32 kGetCfgFailed = 0x35034;      // "Failed to get foreign configuration %d on controller %d.\n"
constexpr u32 kCfgTitle = 0x35035;          // "Foreign configuration %d on controller %d:\n"
constexpr u32 kPreviewTitle = 0x35036;      // "Foreign configuration %d on controller %d(after import):\n"
constexpr u32 kImportFailed = 0x35037;      // "Failed to import foreign configuration %d on controller %d.\n"
constexpr u32 kImported = 0x35038;          // "Foreign configuration %d is imported on controller %d.\n"
constexpr u32 kClearFailed = 0x35039;       // "Failed to clear Foreign configuration %d on controller %d.\n"
constexpr u32 kCleared = 0x3503A;           // "Foreign configuration %d is cleared on controller %d.\n"
constexpr u32 kImportAllFailed = 0x3503B;   // "Failed to import foreign configuration on controller %d.\n"
constexpr u32 kAllImported = 0x3503C;       // "Foreign configuration is imported on controller %d.\n"
constexpr u32 kGetAllFailed = 0x3503D;      // "Failed to get Foreign configuration on controller %d.\n"
constexpr u32 kAllPreviewTitle = 0x3503E;   // "Foreign configuration on controller %d(After import):\n"
constexpr u32 kTooManyVds = 0x35060;        // the import would exceed the controller's virtual drives
constexpr u32 kUnsupportedLevel = 0x35061;  // a virtual drive would get no target id (unsupported)
constexpr u32 kOutdatedPd = 0x35062;        // the drive's data is outdated
constexpr u32 kMaybeOutdated = 0x35063;     // a mirror misses a drive: the other's data may be outdated
constexpr u32 kPdConflict = 0x35064;        // a drive that stays foreign after the import of all
constexpr u32 kPdsMissing = 0x35066;        // drives of the virtual drive are missing
constexpr u32 kEscrowKeyFailed = 0x35067;   // "\nAdapter %d: Could not set escrow key.\n"
constexpr u32 kNoVdList = 0x30025;          // "Failed to get Virtual Drive list\n"
constexpr u32 kPdMissing = 0x3501E;         // "This Physical Disk is Missing.\n"
constexpr u32 kKeyFailedAtBoot = 0x36084;   // "Failed to get lock key on bootup on controller %d.\n"
constexpr u32 kEncryptionDisabled = SecMsg::kEncryptionDisabled;  // in the drive-security table
constexpr u32 kNoSecurityKey = SecMsg::kNoKey;                     // in the drive-security table

// The SSD cache.
constexpr u32 kNotSolidState = 0x33307;     // "Adapter %d: Device at Enclosure - %s, Slot - %d is not Solid State Device.\n"

}  // namespace CfgForeignMsg
