// Catalogue ids printed by the adapter maintenance commands (the "Adapter maintenance" table,
// AdpMaintMessages.cpp). The building blocks ("%s", ...) are in the common table
// (runtime/CommonMessageIds.h).
#pragma once
#include "ZepUtil/Types.h"

namespace MaintMsg {

constexpr u32 kPciIds = 0x17;              // vendor and device id line

// Controller firmware flash.
constexpr u32 kImageNotValidated = 0x31800;
constexpr u32 kImageInvalid = 0x31802;
constexpr u32 kNoControllerInfo = 0x31803;
constexpr u32 kFwVersionController = 0x31804;
constexpr u32 kFwVersionImage = 0x31805;
constexpr u32 kPackageController = 0x31806;
constexpr u32 kPackageImage = 0x31807;
constexpr u32 kImageNotNewer = 0x31808;
constexpr u32 kFlashNoMemory = 0x31809;
constexpr u32 kFlashInProgress = 0x3180a;
constexpr u32 kFlashOpenFailed = 0x3180b;
constexpr u32 kDownloadFailed = 0x3180c;
constexpr u32 kFlashing = 0x3180d;
constexpr u32 kCommitFailed = 0x3180e;
constexpr u32 kFlashCompleted = 0x3180f;

// Event log: the log information, the file header and the text form of an event record.
constexpr u32 kEventLogInfo = 0x34001;
constexpr u32 kEventFileHeader = 0x34002;
constexpr u32 kEventSeqNum = 0x34003;
constexpr u32 kEventSinceReboot = 0x34004;
constexpr u32 kEventTime = 0x34005;
constexpr u32 kEventCodeClassLocale = 0x34006;
constexpr u32 kEventDescription = 0x34007;
constexpr u32 kEventDataBanner = 0x34008;
constexpr u32 kEventArgNone = 0x34009;
constexpr u32 kEventLdCount = 0x3400a;
constexpr u32 kEventCdb = 0x3400b;
constexpr u32 kEventSense = 0x3400c;
constexpr u32 kEventLba = 0x3400d;
constexpr u32 kEventVdLba = 0x3400e;
constexpr u32 kEventStrip = 0x3400f;
constexpr u32 kEventPdAddress = 0x34010;
constexpr u32 kEventOwner = 0x34011;
constexpr u32 kEventState = 0x34012;
constexpr u32 kEventError = 0x34013;
constexpr u32 kEventPci = 0x34014;
constexpr u32 kEventRate = 0x34015;
constexpr u32 kEventString = 0x34016;
constexpr u32 kEventPowerOnTime = 0x34017;
constexpr u32 kEventEcc = 0x34018;
constexpr u32 kEventPreviousProperties = 0x34019;
constexpr u32 kEventNewProperties = 0x3401a;
constexpr u32 kEventProperties = 0x3401b;
constexpr u32 kEventSpare = 0x3401c;
constexpr u32 kEventIndex = 0x3401d;
constexpr u32 kEventDiagPass = 0x3401e;
constexpr u32 kEventDiagFail = 0x3401f;
constexpr u32 kEventLbaRemap = 0x34020;
constexpr u32 kEventPortPhy = 0x34021;
constexpr u32 kEventArrayRow = 0x34022;
constexpr u32 kEventNone = 0x34023;
constexpr u32 kEventPdRef = 0x34024;
constexpr u32 kEventLdRef = 0x34025;
constexpr u32 kEventNoneLogged = 0x34041;
constexpr u32 kEventRedundantPath = 0x36044;
constexpr u32 kEventSasAddress2 = 0x36061;
constexpr u32 kEventPdLba = 0x36064;
constexpr u32 kFileWriteFailed = 0x36078;
constexpr u32 kNoCcErrors = 0x36202;

// Terminal log.
constexpr u32 kSendCommandFailed = 0x3000a;
constexpr u32 kTermLogReadFailed = 0x36006;
constexpr u32 kTermLogTitle = 0x36007;
constexpr u32 kTermLogCleared = 0x31a10;
constexpr u32 kTermLogBbuSet = 0x31a11;
constexpr u32 kTermLogBbu = 0x31a12;

}  // namespace MaintMsg
