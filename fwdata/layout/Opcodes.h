// Every firmware command opcode the tool sends, by name: DCMD opcodes (controller, drives,
// virtual drives, configuration, battery, PHYs and connectors, enclosures, drive performance
// monitoring), the private opcodes and the kernel driver's requests. This is the one place an
// opcode is written; the opcode table of the controller access (transfer length and direction)
// and every request use these names.
#pragma once
#include "ZepUtil/Types.h"

// Controller.
constexpr u32 kDcmdCtrlGetInfo = 0x01010000;
constexpr u32 kDcmdCtrlGetProperties = 0x01020100;
constexpr u32 kDcmdCtrlSetProperties = 0x01020200;
constexpr u32 kDcmdCtrlGetAlarm = 0x01030100;
constexpr u32 kDcmdCtrlAlarmEnable = 0x01030200;
constexpr u32 kDcmdCtrlAlarmDisable = 0x01030300;
constexpr u32 kDcmdCtrlAlarmSilence = 0x01030400;
constexpr u32 kDcmdCtrlEventGetInfo = 0x01040100;
constexpr u32 kDcmdCtrlEventClear = 0x01040200;
constexpr u32 kDcmdCtrlEventGetList = 0x01040300;
constexpr u32 kDcmdCtrlEventGetCount = 0x01040400;
constexpr u32 kDcmdCtrlShutdown = 0x01050000;
constexpr u32 kDcmdCtrlPrGetStatus = 0x01070100;
constexpr u32 kDcmdCtrlPrGetProperties = 0x01070200;
constexpr u32 kDcmdCtrlPrSetProperties = 0x01070300;
constexpr u32 kDcmdCtrlPrStart = 0x01070400;
constexpr u32 kDcmdCtrlPrStop = 0x01070500;
constexpr u32 kDcmdCtrlPrSuspendResume = 0x01070600;
constexpr u32 kDcmdCtrlGetTime = 0x01080101;
constexpr u32 kDcmdCtrlSetTime = 0x01080102;
constexpr u32 kDcmdCtrlGetTimeSeconds = 0x01080201;
constexpr u32 kDcmdCtrlTermLogClear = 0x01090100;
constexpr u32 kDcmdCtrlTermLogRead = 0x01090200;
constexpr u32 kDcmdCtrlTermLogGetBbu = 0x010A0100;
constexpr u32 kDcmdCtrlTermLogBbuOff = 0x010A0200;
constexpr u32 kDcmdCtrlTermLogBbuOn = 0x010A0300;
constexpr u32 kDcmdCtrlTermLogBbuOffTemp = 0x010A0400;
constexpr u32 kDcmdCtrlGetKeyValues = 0x010B0100;
constexpr u32 kDcmdCtrlGetBiosData = 0x010C0100;
constexpr u32 kDcmdCtrlSetBiosData = 0x010C0200;
constexpr u32 kDcmdCtrlFactoryDefaults = 0x010D0000;
constexpr u32 kDcmdCtrlGetMfcPciData = 0x010E0100;
constexpr u32 kDcmdCtrlGetDefaults = 0x010E0201;
constexpr u32 kDcmdCtrlSetDefaults = 0x010E0202;
constexpr u32 kDcmdCtrlGetMfgData = 0x010E0301;
constexpr u32 kDcmdCtrlGetBatteryFru = 0x010E0302;
constexpr u32 kDcmdCtrlGetOemData = 0x010E8481;       // also a private opcode
constexpr u32 kDcmdCtrlGetGasGaugeData = 0x010EE100;  // private
constexpr u32 kDcmdCtrlFlashOpen = 0x010F0100;        // image size in mailbox word 0
constexpr u32 kDcmdCtrlFlashChunk = 0x010F0200;       // byte offset in mailbox word 0
constexpr u32 kDcmdCtrlFlashCommit = 0x010F0300;
constexpr u32 kDcmdCtrlFlashAbort = 0x010F0400;
constexpr u32 kDcmdCtrlFlushCache = 0x01101000;
constexpr u32 kDcmdCtrlDiagnostic = 0x01120100;
constexpr u32 kDcmdCtrlPdFwDownloadPrepare = 0x01130200;
constexpr u32 kDcmdCtrlCcGetStatus = 0x01140100;
constexpr u32 kDcmdCtrlCcGetSchedule = 0x01140200;
constexpr u32 kDcmdCtrlCcSetSchedule = 0x01140300;
constexpr u32 kDcmdCtrlKeyCreate = 0x01150100;
constexpr u32 kDcmdCtrlKeyGetId = 0x01150301;
constexpr u32 kDcmdCtrlKeySetId = 0x01150302;
constexpr u32 kDcmdCtrlKeyVerify = 0x01150500;
constexpr u32 kDcmdCtrlKeyOld = 0x01150700;
constexpr u32 kDcmdCtrlKeyEscrow = 0x01150800;
constexpr u32 kDcmdCtrlKeyDestroy = 0x01150900;
constexpr u32 kDcmdCtrlMonitorControl = 0x01170100;
constexpr u32 kDcmdCtrlMonitorGetResults = 0x01170200;
constexpr u32 kDcmdCtrlAecControl = 0x01180100;
constexpr u32 kDcmdCtrlAecGetSegment = 0x01180200;
constexpr u32 kDcmdCtrlAecGetSettings = 0x01180300;

// Physical drives.
constexpr u32 kDcmdPdGetList = 0x02010000;
constexpr u32 kDcmdPdGetInfo = 0x02020000;
constexpr u32 kDcmdPdSetState = 0x02030100;
constexpr u32 kDcmdPdRbldStart = 0x02040100;
constexpr u32 kDcmdPdRbldStop = 0x02040200;
constexpr u32 kDcmdPdClearStart = 0x02050100;
constexpr u32 kDcmdPdClearStop = 0x02050200;
constexpr u32 kDcmdPdGetProgress = 0x02060000;
constexpr u32 kDcmdPdLocateStart = 0x02070100;
constexpr u32 kDcmdPdLocateStop = 0x02070200;
constexpr u32 kDcmdPdMarkMissing = 0x02080100;
constexpr u32 kDcmdPdReplaceMissing = 0x02080200;
constexpr u32 kDcmdPdRemovalPrepare = 0x02090100;
constexpr u32 kDcmdPdRemovalUndo = 0x02090200;
constexpr u32 kDcmdPdGetAllowedOps = 0x020A0000;
constexpr u32 kDcmdPdCopyBackStart = 0x020B0100;
constexpr u32 kDcmdPdCopyBackStop = 0x020B0200;
constexpr u32 kDcmdPdInstantSecureErase = 0x020C0100;
constexpr u32 kDcmdPdReprovision = 0x020C0300;
constexpr u32 kDcmdPdSpinUp = 0x020D0200;
constexpr u32 kDcmdPdRbldSuspendResume = 0x020E0100;
constexpr u32 kDcmdPdCopyBackSuspendResume = 0x020E0200;
constexpr u32 kDcmdPdSecureEraseStart = 0x020F0100;
constexpr u32 kDcmdPdSecureEraseStop = 0x020F0200;

// Virtual drives.
constexpr u32 kDcmdLdGetList = 0x03010000;
constexpr u32 kDcmdLdGetInfo = 0x03020000;
constexpr u32 kDcmdLdGetProperties = 0x03030000;
constexpr u32 kDcmdLdSetProperties = 0x03040000;
constexpr u32 kDcmdLdRemoveBlockedAccess = 0x03040010;
constexpr u32 kDcmdLdCcStart = 0x03050100;
constexpr u32 kDcmdLdCcAbort = 0x03050200;
constexpr u32 kDcmdLdSetConsistent = 0x0305E100;
constexpr u32 kDcmdLdInitStart = 0x03060100;
constexpr u32 kDcmdLdInitAbort = 0x03060200;
constexpr u32 kDcmdLdReconstruct = 0x03070100;
constexpr u32 kDcmdLdGetProgress = 0x03080000;
constexpr u32 kDcmdLdDelete = 0x03090000;
constexpr u32 kDcmdLdGetAllowedOps = 0x030B0000;
constexpr u32 kDcmdLdMakeSecure = 0x030C0000;
constexpr u32 kDcmdLdGetPreservedCache = 0x030D0000;
constexpr u32 kDcmdLdDiscardPreservedCache = 0x030D0100;
constexpr u32 kDcmdLdBbmClear = 0x030E0000;
constexpr u32 kDcmdLdBbmGetOne = 0x030E0100;
constexpr u32 kDcmdLdBbmGetAll = 0x030E0200;
constexpr u32 kDcmdLdSetSscAssociation = 0x03100100;
constexpr u32 kDcmdLdGetSscAssociation = 0x03100200;
constexpr u32 kDcmdLdGetMirrorInfo = 0x03110200;
constexpr u32 kDcmdLdJoinMirror = 0x03110300;
constexpr u32 kDcmdLdReconSuspendResume = 0x03120100;
constexpr u32 kDcmdLdCcBgiSuspendResume = 0x03120200;
constexpr u32 kDcmdLdSecureEraseStart = 0x03130100;
constexpr u32 kDcmdLdSecureEraseStop = 0x03130200;
constexpr u32 kDcmdLdDisablePi = 0x03140100;

// Configuration.
constexpr u32 kDcmdCfgRead = 0x04010000;
constexpr u32 kDcmdCfgAdd = 0x04020000;
constexpr u32 kDcmdCfgClear = 0x04030000;
constexpr u32 kDcmdCfgMakeHsp = 0x04040000;
constexpr u32 kDcmdCfgRemoveHsp = 0x04050000;
constexpr u32 kDcmdCfgForeignScan = 0x04060100;
constexpr u32 kDcmdCfgForeignRead = 0x04060200;
constexpr u32 kDcmdCfgForeignPreview = 0x04060300;
constexpr u32 kDcmdCfgForeignImport = 0x04060400;
constexpr u32 kDcmdCfgForeignClear = 0x04060500;

// Battery.
constexpr u32 kDcmdBbuGetStatus = 0x05010000;
constexpr u32 kDcmdBbuGetCapacity = 0x05020000;
constexpr u32 kDcmdBbuGetDesign = 0x05030000;
constexpr u32 kDcmdBbuLearn = 0x05040000;
constexpr u32 kDcmdBbuGetProperties = 0x05050100;
constexpr u32 kDcmdBbuSetProperties = 0x05050200;
constexpr u32 kDcmdBbuMfgSleep = 0x05060100;
constexpr u32 kDcmdBbuMfgSeal = 0x05060200;
constexpr u32 kDcmdBbuGetModes = 0x05070100;

// PHYs and connectors.
constexpr u32 kDcmdPhyGetList = 0x07010000;
constexpr u32 kDcmdConnectorGetModes = 0x07020100;
constexpr u32 kDcmdConnectorSetModes = 0x07020200;
constexpr u32 kDcmdConnectorGetList = 0x07030000;
constexpr u32 kDcmdPhyGetErrorCounters = 0x07040000;
constexpr u32 kDcmdPhySetLinkSpeed = 0x07050000;

// Enclosures.
constexpr u32 kDcmdEnclGetList = 0x09010000;

// SCSI commands the tool sends to devices by pass-through (operation codes).
constexpr u8 kScsiInquiry = 0x12;
constexpr u8 kScsiReceiveDiagnostic = 0x1C;

// Drive performance monitoring.
constexpr u32 kDcmdDpmGetState = 0x0A010000;
constexpr u32 kDcmdDpmGetStats = 0x0A020000;
constexpr u32 kDcmdDpmControl = 0x0A030000;

// Requests to the kernel driver.
constexpr u32 kDriverGetPciInfo = 0xF0010200;
constexpr u32 kDriverVdChange = 0xF0010300;  // virtual drives added or going away
