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
