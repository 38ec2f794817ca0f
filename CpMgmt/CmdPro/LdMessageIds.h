// Catalogue ids of the "Virtual drive" table (LdMessages.cpp).
#pragma once
#include "ZepUtil/Types.h"

namespace LdMsg {

constexpr u32 kVirtualDiskCount = 0x32002;     // "Number of Virtual Disks: %d\n"
constexpr u32 kNoVirtualDrive = 0x32004;       // "Adapter %d: No Virtual Drive Configured.\n"
constexpr u32 kInfoTitle = 0x32101;            // "\nAdapter %d -- Virtual Drive Information:\n"
constexpr u32 kSpanCount = 0x32102;            // "Number of Spans: %d\n"
constexpr u32 kSpanPdCount = 0x32103;          // "Span: %d - Number of PDs: %d\n"
constexpr u32 kPdTitle = 0x32104;              // "PD: %d Information\n"
constexpr u32 kDedicatedSpareCount = 0x32106;  // "Number of Dedicated Hot Spares: %d\n"

constexpr u32 kVdLine = 0x32006;               // "Virtual Drive:%02d(Target ID %02d): %s.\n"
constexpr u32 kVdDataFailed = 0x32105;         // "Failed to get VD data on Adapter %d, VD %d\n"

// Preserved cache.
constexpr u32 kNoPreservedCache = 0x32007;     // "Adapter %d: No Virtual Drive has Preserved Cache Data.\n"
constexpr u32 kNoCacheOnVd = 0x32008;          // "Virtual Drive(Target ID %02d): Doesn't have Preserved Cache Data.\n"
constexpr u32 kCacheCleared = 0x32009;         // "Virtual Drive(Target ID %02d): Preserved Cache Data Cleared.\n"
constexpr u32 kCacheNotCleared = 0x3200a;      // "Virtual Drive(Target ID %02d): Preserved Cache Data Not Cleared.\n"
constexpr u32 kTargetLine = 0x3200b;           // "Virtual Drive(Target ID %02d): %s.\n"

// Background work.
constexpr u32 kOpSuccess = 0x32300;            // " Success.\n"
constexpr u32 kOpFailed = 0x32301;             // " Failed.\n"
constexpr u32 kCcStart = 0x32302;              // "Start Check Consistency on Virtual Drive %d (target id: %d)"
constexpr u32 kInitStart = 0x32303;            // "Start Initialization on Virtual Drive %d (target id: %d)"
constexpr u32 kCcAbort = 0x32304;              // "Abort Check Consistency on Virtual Drive %d (target id: %d)"
constexpr u32 kInitAbort = 0x32305;            // "Abort Initialization on Virtual Drive %d (target id: %d)"
constexpr u32 kCcProgress = 0x32306;           // "Check Consistency on VD #%d (target id #%d) Completed %d%% in %d Minutes.\n"
constexpr u32 kCcNotRunning = 0x32307;         // "Check Consistency on VD #%d is not in progress.\n"
constexpr u32 kInitProgress = 0x32308;         // "Initialization on VD #%d (target id #%d) Complete %d%% in %d Minutes.\n"
constexpr u32 kInitNotRunning = 0x32309;       // "Initialization on VD #%d is not in progress.\n"
constexpr u32 kBgiProgress = 0x3230a;          // "Background Initialization on VD #%d (target id #%d) Complete %d%% in %d Minutes.\n"
constexpr u32 kBgiNotRunning = 0x3230b;        // "Background Initialization on VD #%d is not in Progress.\n"
constexpr u32 kReconProgress = 0x3230c;        // "Reconstruction on VD #%d (target id #%d) Completed %d%% in %d Minutes.\n"
constexpr u32 kReconNotRunning = 0x3230d;      // "Reconstruction on VD #%d is not in Progress.\n"
constexpr u32 kReconStarted = 0x3230e;         // "Start Reconstruction of Virtual Drive Success.\n"
constexpr u32 kReconStartFailed = 0x3230f;     // "Failed to Start Reconstruction of Virtual Drive.\n"
constexpr u32 kBgiSetFailed = 0x32310;         // "Failed to %s Background Initialization on VD %d on Adapter %d\n"
constexpr u32 kBgiSetting = 0x32311;           // "Background Initialization is %s on VD %d (target id: %d) on Adapter %d\n"
constexpr u32 kProgressFailed = 0x32317;       // " Failed to get progress data for VD %d."
constexpr u32 kBgiSettingShown = 0x32319;      // as kBgiSetting
constexpr u32 kBgiAbort = 0x3231a;             // "Abort Background Initialization on Virtual Drive %d (target id: %d)"
constexpr u32 kCcUninitialized = 0x36041;      // "The virtual disk has not been initialized.  Running a consistency check ..."
constexpr u32 kCcNotPossible = 0x36042;        // "Adapter %d: Check Consistency is not possible on Virtual drive %d at this time.\n"

// Properties.
constexpr u32 kCachePolicyTitle = 0x32400;     // "Adapter %d-VD %d(target id: %d): Cache Policy:"
constexpr u32 kAccessPolicyTitle = 0x32401;    // "Adapter %d-VD %d(target id: %d): Access Policy: "
constexpr u32 kDiskCacheTitle = 0x32402;       // "Adapter %d-VD %d(target id: %d): Disk Write Cache : "
constexpr u32 kNameLine = 0x32403;             // "Adapter %d-VD %d(target id: %d): Name: %.15s\n"
constexpr u32 kSetPropertyFailed = 0x32404;    // "\nAdapter %d: Set Property Failed on Vd object\n"
constexpr u32 kSetSuccess = 0x32405;           // "Set %s on Adapter %d, VD %d (target id: %d) success\n"
constexpr u32 kSetFailed = 0x32406;            // "Failed to set %s on Adapter %d, VD %d.\n"
constexpr u32 kSettingNotSupported = 0x32407;  // "Change setting of %s on Adapter %d is not supported.\n"
constexpr u32 kNoBattery = 0x32408;            // "No battery present\n"
constexpr u32 kBatteryReplace = 0x32409;       // "Battery needs replacement\n"
constexpr u32 kBatteryLow = 0x3240a;           // "Battery capacity is below the threshold value\n"
constexpr u32 kLearnCycle = 0x3240b;           // "Learn cycle is active currently\n"
constexpr u32 kReconRunning = 0x3240c;         // "Reconstruction is in progress\n"
constexpr u32 kWriteBackLater = 0x3240d;       // "\nSo policy Change to WB will not come into effect immediately\n\n"

// Bad-block tables.
constexpr u32 kBbmClearFailed = 0x36300;       // "\nFailed to Clear BBM log.\n"
constexpr u32 kBbmCleared = 0x36301;           // "\nSuccessfully cleared BBM Log.\n"
constexpr u32 kNoBadBlocks = 0x36302;          // "\nThere is no Bad Block to clear.\n"
constexpr u32 kBbmClearUnsupported = 0x36303;  // "\nLDBBM Clear is not supported.\n"

// Expansion.
constexpr u32 kExpansionPossible = 0x37001;    // "\nVirtual Disk: %d (Target Id: %d)\nExpansion ... : Possible\n"
constexpr u32 kExpansionImpossible = 0x37002;  // "\nVirtual Disk: %d (Target Id: %d)\nExpansion ... : Not Possible\n"
constexpr u32 kRoomInArray = 0x37003;          // "Size available to grow within Array ... : %s\n"
constexpr u32 kRoomInDisks = 0x37004;          // "Size available to grow within Disks that belong to the Array  : %s\n"
constexpr u32 kNoExpansion = 0x37005;          // "Online Capacity Expansion without adding drives is not supported\n"
constexpr u32 kExpanded = 0x37006;             // "Expansion of Virtual Drive %d on Adapter %d Success.\n"
constexpr u32 kExpandFailed = 0x37007;         // "Failed to Expand Virtual Drive %d on adapter %d.\n"
constexpr u32 kExpansionNotAllowed = 0x37008;  // "Expansion of Virtual Drive %d on Adapter %d is not Allowed.\n"
constexpr u32 kNoRoom = 0x37009;               // "Expansion of Virtual Drive %d on Adapter %d is not possible due to space limitation.\n"

// Deletion.
constexpr u32 kDeleted = 0x32201;              // "Adapter %d: Deleted Virtual Drive-%d(target id-%d)\n"
constexpr u32 kDeleteFailed = 0x32202;         // "Adapter %d: Failed to delete Virtual Drive-%d\n"

}  // namespace LdMsg
