// The usage text of every command that the help command knows, one array of pieces each
// (ending with usage::kEnd). The help table (HelpTable.h) names which keyword selects which.
#pragma once
#include "help/UsageText.h"

namespace usage {

// Adapter information and settings (UsageAdapterTexts.cpp, UsageSettingsTexts.cpp).
extern const Piece kAdpAllInfo[];
extern const Piece kAdpCount[];
extern const Piece kAdpGetTime[];
extern const Piece kAdpSetTime[];
extern const Piece kAdpSetVerify[];
extern const Piece kAdpBios[];
extern const Piece kAdpBootDrive[];
extern const Piece kAdpAutoRbld[];
extern const Piece kAdpCacheFlush[];
extern const Piece kAdpPr[];
extern const Piece kAdpCcSched[];
extern const Piece kAdpDiag[];
extern const Piece kAdpBatTest[];
extern const Piece kAdpShutDown[];
extern const Piece kAdpFacDefSet[];
extern const Piece kAdpGetConnectorMode[];
extern const Piece kAdpSetConnectorMode[];
extern const Piece kAdpGetPciInfo[];
extern const Piece kAdpInfoCompare[];
extern const Piece kShowSummary[];
extern const Piece kVersion[];
extern const Piece kAppVersion[];
extern const Piece kHelp[];
extern const Piece kPhyInfo[];
extern const Piece kPhySetLinkSpeed[];
extern const Piece kPhyErrorCounters[];
extern const Piece kEncInfo[];
extern const Piece kEncStatus[];
extern const Piece kShowEnclList[];
extern const Piece kEnclLocate[];
extern const Piece kPerfmon[];

// Adapter properties (UsagePropertyTexts.cpp).
extern const Piece kAdpSetProp[];
extern const Piece kAdpGetProp[];

// Physical drives (UsagePdTexts.cpp).
extern const Piece kPdList[];
extern const Piece kPdGetNum[];
extern const Piece kPdInfo[];
extern const Piece kPdOnline[];
extern const Piece kPdOffline[];
extern const Piece kPdMakeGood[];
extern const Piece kPdMakeJbod[];
extern const Piece kPdHsp[];
extern const Piece kPdRbld[];
extern const Piece kPdClear[];
extern const Piece kPdLocate[];
extern const Piece kPdMarkMissing[];
extern const Piece kPdGetMissing[];
extern const Piece kPdReplaceMissing[];
extern const Piece kPdPrpRmv[];
extern const Piece kPdFwDownload[];
extern const Piece kPdCpyBk[];
extern const Piece kDirectPdMapping[];
extern const Piece kDpmStat[];

// Virtual drives (UsageLdTexts.cpp).
extern const Piece kLdInfo[];
extern const Piece kGetLdExpansionInfo[];
extern const Piece kLdExpansion[];
extern const Piece kLdSetProp[];
extern const Piece kLdGetProp[];
extern const Piece kLdInit[];
extern const Piece kLdCc[];
extern const Piece kLdBi[];
extern const Piece kLdRecon[];
extern const Piece kLdPdInfo[];
extern const Piece kLdGetNum[];
extern const Piece kLdBbmClr[];
extern const Piece kGetPreservedCacheList[];
extern const Piece kDiscardPreservedCache[];
extern const Piece kLdViewMirror[];
extern const Piece kLdJoinMirror[];
extern const Piece kLdSetPowerPolicy[];
extern const Piece kGetBbtEntries[];

// Configuration (UsageCfgTexts.cpp, UsageCfgAddTexts.cpp).
extern const Piece kCfgLdAdd[];
extern const Piece kCfgFlashTierAdd[];
extern const Piece kCfgEachDskRaid0[];
extern const Piece kCfgClr[];
extern const Piece kCfgDsply[];
extern const Piece kCfgFlashTierDsply[];
extern const Piece kCfgLdDel[];
extern const Piece kCfgFlashTierDel[];
extern const Piece kCfgFreeSpaceInfo[];
extern const Piece kCfgSpanAdd[];
extern const Piece kCfgAllFreeDrv[];
extern const Piece kCfgSave[];
extern const Piece kCfgRestore[];
extern const Piece kCfgForeign[];
extern const Piece kFlashTier[];
extern const Piece kPreventPiImport[];

// Maintenance and logs (UsageMaintTexts.cpp).
extern const Piece kFwTermLog[];
extern const Piece kAdpEventLog[];
extern const Piece kAdpBbuCmd[];
extern const Piece kAdpM0Flash[];
extern const Piece kAdpFwFlash[];
extern const Piece kAdpAlILog[];
extern const Piece kAdpFwDump[];

// Drive security (UsageSecurityTexts.cpp).
extern const Piece kPdInstantSecureErase[];
extern const Piece kCreateSecurityKey[];
extern const Piece kChangeSecurityKey[];
extern const Piece kDestroySecurityKey[];
extern const Piece kGetKeyId[];
extern const Piece kSetKeyId[];
extern const Piece kVerifySecurityKey[];
extern const Piece kLdMakeSecure[];
extern const Piece kSecureErase[];

}  // namespace usage
