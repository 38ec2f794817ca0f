// Catalogue ids of the adapter properties (the "Adapter properties" table,
// AdpPropMessages.cpp): the controller settings that -AdpSetProp and -AdpGetProp read and
// change, and the commands that set one setting each: automatic rebuild, BIOS, boot drive,
// patrol read, consistency-check schedule and connector modes. The one-off actions on a
// controller and the settings files (-AdpSettings) are the other family, AdpOpsMsg
// (AdpOpsMessageIds.h).
#pragma once
#include "ZepUtil/Types.h"

namespace AdpPropMsg {

// Automatic rebuild and BIOS.
constexpr u32 kAutoRebuildIs = 0x31400;
constexpr u32 kBiosIs = 0x31402;
constexpr u32 kBiosAlready = 0x31403;
constexpr u32 kBiosSwitchFailed = 0x31404;
constexpr u32 kBiosState = 0x31405;
constexpr u32 kBiosOnError = 0x31406;
constexpr u32 kBiosSetTo = 0x31407;
constexpr u32 kBiosSetToFailed = 0x31408;

// Boot drive.
constexpr u32 kBootVd = 0x31501;
constexpr u32 kBootVdGetFailed = 0x31502;
constexpr u32 kBootVdSet = 0x31503;
constexpr u32 kBootVdSetFailed = 0x31504;
constexpr u32 kNoBootDrive = 0x31505;
constexpr u32 kBootPdGetFailed = 0x31506;
constexpr u32 kNotJbod = 0x31507;
constexpr u32 kBootVdUnset = 0x31508;
constexpr u32 kBootVdUnsetFailed = 0x31509;

// Patrol read.
constexpr u32 kPrModeSet = 0x31b00;
constexpr u32 kPrModeFailed = 0x31b01;
constexpr u32 kPrStarted = 0x31b02;
constexpr u32 kPrStartFailed = 0x31b03;
constexpr u32 kPrStopped = 0x31b04;
constexpr u32 kPrStopFailed = 0x31b05;
constexpr u32 kPrInfoTitle = 0x31b06;
constexpr u32 kPrMode = 0x31b07;
constexpr u32 kPrDelayText = 0x31b08;
constexpr u32 kPrDelayHours = 0x31b09;
constexpr u32 kPrIterations = 0x31b0a;
constexpr u32 kPrState = 0x31b0b;
constexpr u32 kPrPdsCompleted = 0x31b0c;
constexpr u32 kPrDelaySet = 0x31b0d;
constexpr u32 kPrDelayFailed = 0x31b0f;
constexpr u32 kPrOnSsd = 0x31b10;
constexpr u32 kPrOnSsdSet = 0x31b11;
constexpr u32 kPrOnSsdFailed = 0x31b12;
constexpr u32 kPrNoDrives = 0x31b13;
constexpr u32 kPrStartTimeFailed = 0x31b14;
constexpr u32 kPrStartTimeSet = 0x31b15;
constexpr u32 kPrMaxPdFailed = 0x31b16;
constexpr u32 kPrMaxPdSet = 0x31b17;

// Consistency-check schedule.
constexpr u32 kCcInfoFailed = 0x31b20;
constexpr u32 kCcMode = 0x31b21;
constexpr u32 kCcDelay = 0x31b22;
constexpr u32 kCcNextStart = 0x31b23;
constexpr u32 kCcState = 0x31b24;
constexpr u32 kCcIterations = 0x31b25;
constexpr u32 kCcVdsCompleted = 0x31b26;
constexpr u32 kCcExcluded = 0x31b27;
constexpr u32 kCcModeInvalid = 0x31b28;
constexpr u32 kCcModeFailed = 0x31b29;
constexpr u32 kCcModeSet = 0x31b2a;
constexpr u32 kCcStartTimeFailed = 0x31b2b;
constexpr u32 kCcStartTimeSet = 0x31b2c;
constexpr u32 kCcDelayFailed = 0x31b2d;
constexpr u32 kCcDelaySet = 0x31b2e;
constexpr u32 kCcNotSupported = 0x31b2f;

// Adapter properties.
constexpr u32 kCacheFlushInterval = 0x31c01;
constexpr u32 kPredFailPollInterval = 0x31c02;
constexpr u32 kRebuildRate = 0x31c03;
constexpr u32 kPatrolReadRate = 0x31c04;
constexpr u32 kBgiRate = 0x31c05;
constexpr u32 kCcRate = 0x31c06;
constexpr u32 kReconRate = 0x31c07;
constexpr u32 kSpinupDriveCount = 0x31c08;
constexpr u32 kSpinupDelay = 0x31c09;
constexpr u32 kCoercionMode = 0x31c0a;
constexpr u32 kCluster = 0x31c0b;
constexpr u32 kBatteryWarning = 0x31c0c;
constexpr u32 kAlarmStatus = 0x31c0d;
constexpr u32 kEccBucketSize = 0x31c0e;
constexpr u32 kEccBucketLeakRate = 0x31c0f;
constexpr u32 kEccBucketCount = 0x31c10;
constexpr u32 kGetFailed = 0x31c11;
constexpr u32 kSetSuccess = 0x31c12;
constexpr u32 kSetFailed = 0x31c13;
constexpr u32 kAbortCcOnError = 0x31c14;
constexpr u32 kBackplaneDetect = 0x31c15;
constexpr u32 kRestoreHotSpare = 0x31c16;
constexpr u32 kOnlineReset = 0x31c17;
constexpr u32 kBootWithPinnedCache = 0x31c18;
constexpr u32 kPi = 0x31f0a;
constexpr u32 kPiNotSupported = 0x31f0b;
constexpr u32 kPreventPiImport = 0x31f10;

// Boot drive (physical drives).
constexpr u32 kBootPdSetFailed = 0x33607;
constexpr u32 kBootPdSet = 0x33608;
constexpr u32 kBootPd = 0x33609;
constexpr u32 kBootPdUnsetFailed = 0x33616;
constexpr u32 kBootPdUnset = 0x33617;

// Connector modes.
constexpr u32 kConnectorGetFailed = 0x3600e;
constexpr u32 kConnectorMode = 0x3600f;
constexpr u32 kConnectorSet = 0x36010;
constexpr u32 kConnectorSetFailed = 0x36011;
constexpr u32 kConnectorFailed = 0x36012;
constexpr u32 kConnectorCount = 0x36015;
constexpr u32 kNoConnector = 0x36036;

// Adapter properties (continued).
constexpr u32 kCopyback = 0x36054;
constexpr u32 kSmartCopyback = 0x36058;
constexpr u32 kLoadBalance = 0x36059;
constexpr u32 kFdeOnly = 0x36066;
constexpr u32 kSpinDownUnconfigured = 0x36068;
constexpr u32 kSsdPatrolRead = 0x36080;
constexpr u32 kWriteBackNotPossible = 0x36081;
constexpr u32 kWriteBackPossible = 0x36082;
constexpr u32 kAutoEnhancedImport = 0x36083;
constexpr u32 kPrCorrectUnconfigured = 0x36085;
constexpr u32 kSpinDownHotSpares = 0x36086;
constexpr u32 kSpinDownTime = 0x36087;
constexpr u32 kJbod = 0x36088;
constexpr u32 kSsdSmartCopyback = 0x36114;
constexpr u32 kSpinDownNotSupported = 0x36117;
constexpr u32 kMaintainPdFailHistory = 0x36119;
constexpr u32 kExposeEnclDevices = 0x3611b;
constexpr u32 kNcq = 0x36201;
constexpr u32 kDefaultSnapshotSpace = 0x36502;
constexpr u32 kDefaultViewSpace = 0x36503;
constexpr u32 kAutoSnapshotSpace = 0x36504;
constexpr u32 kDefaultPowerSavePolicy = 0x36505;
constexpr u32 kPowerSaveInterval = 0x36506;
constexpr u32 kPowerSaveTime = 0x36507;
constexpr u32 kSpinupEnclDriveCount = 0x36508;
constexpr u32 kSpinupEnclDelay = 0x36509;

// BIOS automatic boot selection.
constexpr u32 kAutoSelectIs = 0x37136;
constexpr u32 kAutoSelectAlready = 0x37137;
constexpr u32 kAutoSelectState = 0x37138;
constexpr u32 kAutoSelectFailed = 0x37139;

// Adapter properties (continued).
constexpr u32 kDiskActivityForLocate = 0x37205;
constexpr u32 kDpm = 0x3720c;
constexpr u32 kNotSupported = 0x37215;
constexpr u32 kForceSgpio = 0x37216;

}  // namespace AdpPropMsg
