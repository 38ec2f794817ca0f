// Catalogue ids of the "Physical drive" table (PdMessages.cpp).
#pragma once
#include "ZepUtil/Types.h"

namespace PdMsg {

constexpr u32 kEnclSlot = 0x33007;  // "EnclId - %s SlotId - %d \n"

// Hot spares.
constexpr u32 kPdInfoFailed = 0x33006;
constexpr u32 kHotSpareResult = 0x33405;
// Rebuild.
constexpr u32 kInvalidSeqNum = 0x33004;
constexpr u32 kRbldNotRunning = 0x33300;
constexpr u32 kRbldProgress = 0x33301;
constexpr u32 kRbldStarted = 0x33302;
constexpr u32 kRbldCannotStart = 0x33303;
constexpr u32 kRbldStopped = 0x33304;
constexpr u32 kRbldNotRebuilding = 0x33305;
// Clear.
constexpr u32 kClrNotRunning = 0x33200;
constexpr u32 kClrProgress = 0x33201;
constexpr u32 kClrStarted = 0x33202;
constexpr u32 kClrStartFailed = 0x33203;
constexpr u32 kClrStopped = 0x33204;
constexpr u32 kClrStopFailed = 0x33205;
// Copyback.
constexpr u32 kCpyBkProgress = 0x36046;
constexpr u32 kCpyBkCannotStart = 0x36047;
constexpr u32 kCpyBkNotRunning = 0x36048;
constexpr u32 kCpyBkStarted = 0x36049;
constexpr u32 kCpyBkStopped = 0x36050;
constexpr u32 kCpyBkInvalidDrives = 0x36057;
// Direct drive mapping (and the settings block it reads and writes).
constexpr u32 kDirectPdMappingSet = 0x31703;
constexpr u32 kDirectPdMappingIs = 0x31704;
constexpr u32 kRebootRequired = 0x31705;
// Drive state changes: online, offline, missing, locate, make good, system drive.
constexpr u32 kStateOnline = 0x33400;
constexpr u32 kStateOffline = 0x33401;
constexpr u32 kStateChangeFailed = 0x33402;
constexpr u32 kMarkedMissing = 0x33403;
constexpr u32 kStateUnconfiguredGood = 0x33404;
constexpr u32 kLocateFailed = 0x33406;
constexpr u32 kLocateStarted = 0x33407;
constexpr u32 kLocateStopped = 0x33408;
constexpr u32 kStateJbod = 0x33606;
constexpr u32 kJbodNeedsForce = 0x3360A;
constexpr u32 kJbodConversionLimit = 0x37204;
// Missing drives and their replacement.
constexpr u32 kNoMissingDrive = 0x33500;
constexpr u32 kMissingHeading = 0x33501;
constexpr u32 kMissingRow = 0x33502;
constexpr u32 kRowNotMissing = 0x33503;
constexpr u32 kRowOutOfRange = 0x33504;
constexpr u32 kMissingReplaced = 0x33506;
constexpr u32 kMissingReplaceFailed = 0x33507;
// Prepare for removal.
constexpr u32 kRemovalFailed = 0x33600;
constexpr u32 kRemovalDone = 0x33601;

// Drive firmware download.
constexpr u32 kNotSasSataBridge = 0x33409;
constexpr u32 kFwDownloadNotAllowed = 0x33602;
constexpr u32 kFwDownloadFailed = 0x33605;

}  // namespace PdMsg
