// Catalogue ids of the adapter operations (the "Adapter operations" table, AdpOpsMessages.cpp):
// the one-off actions on a controller (diagnostic, cache flush, shutdown, factory defaults), its
// clock (-AdpSetTime, -AdpGetTime), the settings files (-AdpSettings -Read/-Write) and the
// advanced event capture. The controller's properties and the settings that -AdpSetProp and
// -AdpGetProp and their siblings change are the other family, AdpPropMsg (AdpPropMessageIds.h).
// The building blocks and the texts several families print are in the common table
// (runtime/CommonMessageIds.h).
#pragma once
#include "ZepUtil/Types.h"

namespace AdpOpsMsg {

// Cache flush.
constexpr u32 kCacheFlushed = 0x31200;
constexpr u32 kCacheFlushFailed = 0x31201;

// Controller diagnostic.
constexpr u32 kDiagRunning = 0x31601;
constexpr u32 kDiagCompleted = 0x31602;
constexpr u32 kDiagFailed = 0x31603;
constexpr u32 kDiagNotStarted = 0x31604;
constexpr u32 kDiagTooLong = 0x31605;

// Factory defaults.
constexpr u32 kFactoryDefaultsSet = 0x31701;
constexpr u32 kFactoryDefaultsFailed = 0x31702;

// Settings files.
constexpr u32 kInvalidKey = 0x31e01;
constexpr u32 kInvalidValue = 0x31e02;

// Controller time and shutdown.
constexpr u32 kDateTime = 0x31f01;
constexpr u32 kDateTimeSet = 0x31f02;
constexpr u32 kShutDown = 0x31f03;
constexpr u32 kShutDownFailed = 0x31f04;

// Advanced event capture settings.
constexpr u32 kAecEventsToCapture = 0x37207;
constexpr u32 kAecEventsCaptured = 0x37208;
constexpr u32 kAecSegments = 0x37209;
constexpr u32 kAecHostMask = 0x3720a;
constexpr u32 kAecFirmwareMask = 0x3720b;
constexpr u32 kAecEnabled = 0x3720d;
constexpr u32 kAecState = 0x3720e;
constexpr u32 kAecMode = 0x3720f;

}  // namespace AdpOpsMsg
