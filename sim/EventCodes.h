// The events the simulated firmware logs: one row per event code with its class, locale, argument
// type and description. Firmware rules name their events by the constants below and log them with
// AppendEvent (EventLog.h), which takes the class, locale and text from the row. A new kind of
// event gets a row here (and a line in docs/firmware-interface.md).
#pragma once
#include <span>

#include "EventLog.h"

namespace sim {

constexpr u32 kEvFlashComplete = 0x0010;
constexpr u32 kEvLogCleared = 0x0011;
constexpr u32 kEvConfigCleared = 0x0020;
constexpr u32 kEvLdCreated = 0x0030;
constexpr u32 kEvLdDeleted = 0x0031;
constexpr u32 kEvLdStateChange = 0x0032;
constexpr u32 kEvLdPropertiesChange = 0x0033;
constexpr u32 kEvCcStarted = 0x0038;
constexpr u32 kEvCcComplete = 0x0039;
constexpr u32 kEvCcInconsistency = 0x003F;
constexpr u32 kEvPropertiesChanged = 0x0040;
constexpr u32 kEvAlarmEnabled = 0x0041;
constexpr u32 kEvAlarmDisabled = 0x0042;
constexpr u32 kEvAlarmSilenced = 0x0043;
constexpr u32 kEvBiosChanged = 0x0044;
constexpr u32 kEvBootDeviceChanged = 0x0045;
constexpr u32 kEvConnectorModesChanged = 0x0046;
constexpr u32 kEvDpmEnabled = 0x0047;
constexpr u32 kEvDpmDisabled = 0x0048;
constexpr u32 kEvDpmCleared = 0x0049;
constexpr u32 kEvPrPropertiesChanged = 0x0050;
constexpr u32 kEvPrStarted = 0x0051;
constexpr u32 kEvPrComplete = 0x0052;
constexpr u32 kEvPrStopped = 0x0053;
constexpr u32 kEvPrSuspended = 0x0054;
constexpr u32 kEvPrResumed = 0x0055;
constexpr u32 kEvCcScheduleChanged = 0x0058;
// Virtual-drive rules (VdRules.h).
constexpr u32 kEvLdMarkedConsistent = 0x0034;
constexpr u32 kEvLdMarkedInconsistent = 0x0035;
constexpr u32 kEvLdBlockRemoved = 0x0036;
constexpr u32 kEvLdPiDisabled = 0x0037;
constexpr u32 kEvCcAborted = 0x003A;
constexpr u32 kEvCcSuspended = 0x003B;
constexpr u32 kEvCcResumed = 0x003C;
constexpr u32 kEvPreservedCacheDiscarded = 0x003D;
constexpr u32 kEvBbtCleared = 0x003E;
constexpr u32 kEvBgiStarted = 0x00B0;
constexpr u32 kEvBgiComplete = 0x00B1;
constexpr u32 kEvBgiAborted = 0x00B2;
constexpr u32 kEvBgiSuspended = 0x00B3;
constexpr u32 kEvBgiResumed = 0x00B4;
constexpr u32 kEvInitStarted = 0x00B5;
constexpr u32 kEvInitComplete = 0x00B6;
constexpr u32 kEvInitAborted = 0x00B7;
constexpr u32 kEvReconStarted = 0x00B8;
constexpr u32 kEvReconComplete = 0x00B9;
constexpr u32 kEvReconSuspended = 0x00BA;
constexpr u32 kEvReconResumed = 0x00BB;
constexpr u32 kEvReconFailed = 0x00BC;
constexpr u32 kEvExpansionStarted = 0x00BD;
constexpr u32 kEvExpansionComplete = 0x00BE;
constexpr u32 kEvMirrorJoined = 0x00BF;
constexpr u32 kEvPdStateChange = 0x0060;
constexpr u32 kEvHotSpareCreated = 0x0061;
constexpr u32 kEvHotSpareRemoved = 0x0062;
constexpr u32 kEvRebuildStarted = 0x0068;
constexpr u32 kEvRebuildComplete = 0x0069;
// Drive rules (DriveRules.h).
constexpr u32 kEvRebuildStopped = 0x0070;
constexpr u32 kEvRebuildSuspended = 0x0071;
constexpr u32 kEvRebuildResumed = 0x0072;
constexpr u32 kEvClearStarted = 0x0073;
constexpr u32 kEvClearStopped = 0x0074;
constexpr u32 kEvClearComplete = 0x0075;
constexpr u32 kEvCopybackStarted = 0x0076;
constexpr u32 kEvCopybackStopped = 0x0077;
constexpr u32 kEvCopybackComplete = 0x0078;
constexpr u32 kEvCopybackSuspended = 0x0079;
constexpr u32 kEvCopybackResumed = 0x007A;
constexpr u32 kEvHotSpareTookRow = 0x007B;
constexpr u32 kEvPdMarkedMissing = 0x007C;
constexpr u32 kEvPdReplacedMissing = 0x007D;
constexpr u32 kEvPdPreparedForRemoval = 0x007E;
constexpr u32 kEvPdRemovalUndone = 0x007F;
// The SSD cache (SsdCache.h) and foreign configurations (Foreign.h).
constexpr u32 kEvSsdCacheAssociated = 0x00B0;
constexpr u32 kEvSsdCacheDissociated = 0x00B1;
constexpr u32 kEvForeignImported = 0x00B2;
constexpr u32 kEvLdImported = 0x00B3;
constexpr u32 kEvForeignCleared = 0x00B4;
constexpr u32 kEvPdUnlocked = 0x00B5;
constexpr u32 kEvForeignDetected = 0x00B6;
constexpr u32 kEvPdRemoved = 0x00B7;
constexpr u32 kEvPdInserted = 0x00B8;
// Drive firmware downloads (DriveFirmware.h) and the performance monitor (PerfMonitor.h).
constexpr u32 kEvPdFirmwareUpdated = 0x00C0;
constexpr u32 kEvPdFirmwareRefused = 0x00C1;
constexpr u32 kEvPerfMonitorStarted = 0x00C4;
constexpr u32 kEvPerfMonitorStopped = 0x00C5;
// Controller settings and maintenance (Dcmd01Maintenance.cpp, Dcmd07Phy.cpp).
constexpr u32 kEvTimeSet = 0x00D0;
constexpr u32 kEvDefaultsChanged = 0x00D1;
constexpr u32 kEvFactoryDefaults = 0x00D2;
constexpr u32 kEvCacheFlushed = 0x00D3;
constexpr u32 kEvShutdown = 0x00D4;
constexpr u32 kEvDiagnosticsPassed = 0x00D5;
constexpr u32 kEvPhyLinkSpeedChanged = 0x00D6;
// Advanced event capture (Dcmd01Capture.cpp).
constexpr u32 kEvCaptureStarted = 0x00D8;
constexpr u32 kEvCaptureStopped = 0x00D9;
constexpr u32 kEvCaptureDisabled = 0x00DA;
constexpr u32 kEvCaptureModeChanged = 0x00DB;
constexpr u32 kEvCaptureFilterChanged = 0x00DC;
// The controller's start-up, the battery and the terminal log.
constexpr u32 kEvFirmwareStarted = 0x00E0;
constexpr u32 kEvPdFound = 0x00E1;
constexpr u32 kEvBbuPresent = 0x00E2;
constexpr u32 kEvBbuLearnStarted = 0x00E3;
constexpr u32 kEvBbuLearnComplete = 0x00E4;
constexpr u32 kEvBbuLearnPending = 0x00E5;
constexpr u32 kEvBbuPropertiesChanged = 0x00E6;
constexpr u32 kEvBbuMfgSleep = 0x00E7;
constexpr u32 kEvBbuSealed = 0x00E8;
constexpr u32 kEvTermLogCleared = 0x00E9;
constexpr u32 kEvTermLogBbuChanged = 0x00EA;
// Drive security (Dcmd01Security.cpp).
constexpr u32 kEvSecurityKeyCreated = 0x00F0;
constexpr u32 kEvSecurityKeyChanged = 0x00F1;
constexpr u32 kEvSecurityKeyDestroyed = 0x00F2;
constexpr u32 kEvSecurityKeyIdChanged = 0x00F3;
constexpr u32 kEvSecurityKeyVerifyFailed = 0x00F4;
// Self-encrypting drives and secured virtual drives (DriveSecurity.cpp).
constexpr u32 kEvLdSecured = 0x00F5;
constexpr u32 kEvPdInstantErased = 0x00F6;
constexpr u32 kEvPdReprovisioned = 0x00F7;
// Secure erase by overwriting (SecureErase.cpp).
constexpr u32 kEvPdEraseStarted = 0x0100;
constexpr u32 kEvPdEraseStopped = 0x0101;
constexpr u32 kEvPdEraseComplete = 0x0102;
constexpr u32 kEvLdEraseStarted = 0x0104;
constexpr u32 kEvLdEraseStopped = 0x0105;
constexpr u32 kEvLdEraseComplete = 0x0106;

struct EventCode {
    u32 code;
    i8 eventClass;
    u16 locale;
    u8 argType;
    const char* description;
};

std::span<const EventCode> EventCodeTable();
// The row of a code, or null.
const EventCode* FindEventCode(u32 code);

}  // namespace sim
