#include "help/HelpTable.h"

#include <cstring>

#include "cmdtool/TokenIds.h"
#include "help/UsageTexts.h"

namespace usage {
namespace {

constexpr u16 kNone = HelpTable::kNoCommandToken;

// In the order in which the help command compares the keywords. -DeleteSecurityKey shares the
// text of -DestroySecurityKey, which words itself after the OEM mode.
constexpr HelpEntry kHelpEntries[] = {
    {"ADPALLINFO", TOKEN_ADPALLINFO, kAdpAllInfo},
    {"ADPCOUNT", TOKEN_ADPCOUNT, kAdpCount},
    {"ADPSETPROP", TOKEN_ADPSETPROP, kAdpSetProp},
    {"ADPGETPROP", TOKEN_ADPGETPROP, kAdpGetProp},
    {"ADPGETTIME", TOKEN_ADPGETTIME, kAdpGetTime},
    {"ADPSETTIME", TOKEN_ADPSETTIME, kAdpSetTime},
    {"ADPSETVERIFY", TOKEN_ADPSETVERIFY, kAdpSetVerify},
    {"ADPBIOS", TOKEN_ADPBIOS, kAdpBios},
    {"ADPBOOTDRIVE", TOKEN_ADPBOOTDRIVE, kAdpBootDrive},
    {"ADPAUTORBLD", TOKEN_ADPAUTORBLD, kAdpAutoRbld},
    {"ADPCACHEFLUSH", TOKEN_ADPCACHEFLUSH, kAdpCacheFlush},
    {"ADPPR", TOKEN_ADPPR, kAdpPr},
    {"ADPCCSCHED", TOKEN_ADPCCSCHED, kAdpCcSched},
    {"FWTERMLOG", TOKEN_FWTERMLOG, kFwTermLog},
    {"ADPDIAG", TOKEN_ADPDIAG, kAdpDiag},
    {"ADPBATTEST", kNone, kAdpBatTest},
    {"ADPSHUTDOWN", TOKEN_ADPSHUTDOWN, kAdpShutDown},
    {"PDLIST", TOKEN_PDLIST, kPdList},
    {"PDGETNUM", TOKEN_PDGETNUM, kPdGetNum},
    {"PDINFO", TOKEN_PDINFO, kPdInfo},
    {"PDONLINE", TOKEN_PDONLINE, kPdOnline},
    {"PDOFFLINE", TOKEN_PDOFFLINE, kPdOffline},
    {"PDMAKEGOOD", TOKEN_PDMAKEGOOD, kPdMakeGood},
    {"PDMAKEJBOD", TOKEN_PDMAKEJBOD, kPdMakeJbod},
    {"PDHSP", TOKEN_PDHSP, kPdHsp},
    {"PDRBLD", TOKEN_PDRBLD, kPdRbld},
    {"PDCLEAR", TOKEN_PDCLEAR, kPdClear},
    {"PDLOCATE", TOKEN_PDLOCATE, kPdLocate},
    {"PDMARKMISSING", TOKEN_PDMARKMISSING, kPdMarkMissing},
    {"PDGETMISSING", TOKEN_PDGETMISSING, kPdGetMissing},
    {"PDREPLACEMISSING", TOKEN_PDREPLACEMISSING, kPdReplaceMissing},
    {"PDPRPRMV", TOKEN_PDPRPRMV, kPdPrpRmv},
    {"ENCINFO", TOKEN_ENCINFO, kEncInfo},
    {"ENCSTATUS", TOKEN_ENCSTATUS, kEncStatus},
    {"PHYINFO", TOKEN_PHYINFO, kPhyInfo},
    {"PHYSETLINKSPEED", TOKEN_PHYSETLINKSPEED, kPhySetLinkSpeed},
    {"LDINFO", TOKEN_LDINFO, kLdInfo},
    {"GETLDEXPANSIONINFO", TOKEN_GETLDEXPANSIONINFO, kGetLdExpansionInfo},
    {"LDEXPANSION", TOKEN_LDEXPANSION, kLdExpansion},
    {"LDSETPROP", TOKEN_LDSETPROP, kLdSetProp},
    {"LDGETPROP", TOKEN_LDGETPROP, kLdGetProp},
    {"LDINIT", TOKEN_LDINIT, kLdInit},
    {"LDCC", TOKEN_LDCC, kLdCc},
    {"LDBI", TOKEN_LDBI, kLdBi},
    {"LDRECON", TOKEN_LDRECON, kLdRecon},
    {"LDPDINFO", TOKEN_LDPDINFO, kLdPdInfo},
    {"LDGETNUM", TOKEN_LDGETNUM, kLdGetNum},
    {"LDBBMCLR", TOKEN_LDBBMCLR, kLdBbmClr},
    {"CFGLDADD", TOKEN_CFGLDADD, kCfgLdAdd},
    {"CFGFLASHTIERADD", TOKEN_CFGFLASHTIERADD, kCfgFlashTierAdd},
    {"CFGEACHDSKRAID0", TOKEN_CFGEACHDSKRAID0, kCfgEachDskRaid0},
    {"CFGCLR", TOKEN_CFGCLR, kCfgClr},
    {"CFGDSPLY", TOKEN_CFGDSPLY, kCfgDsply},
    {"CFGFLASHTIERDSPLY", TOKEN_CFGFLASHTIERDSPLY, kCfgFlashTierDsply},
    {"CFGLDDEL", TOKEN_CFGLDDEL, kCfgLdDel},
    {"CFGFLASHTIERDEL", TOKEN_CFGFLASHTIERDEL, kCfgFlashTierDel},
    {"CFGFREESPACEINFO", TOKEN_CFGFREESPACEINFO, kCfgFreeSpaceInfo},
    {"CFGSPANADD", TOKEN_CFGSPANADD, kCfgSpanAdd},
    {"CFGALLFREEDRV", TOKEN_CFGALLFREEDRV, kCfgAllFreeDrv},
    {"CFGSAVE", TOKEN_CFGSAVE, kCfgSave},
    {"CFGRESTORE", TOKEN_CFGRESTORE, kCfgRestore},
    {"CFGFOREIGN", TOKEN_CFGFOREIGN, kCfgForeign},
    {"ADPEVENTLOG", TOKEN_ADPEVENTLOG, kAdpEventLog},
    {"ADPBBUCMD", TOKEN_ADPBBUCMD, kAdpBbuCmd},
    {"ADPFACDEFSET", TOKEN_ADPFACDEFSET, kAdpFacDefSet},
    {"ADPM0FLASH", kNone, kAdpM0Flash},
    {"ADPGETCONNECTORMODE", TOKEN_ADPGETCONNECTORMODE, kAdpGetConnectorMode},
    {"ADPSETCONNECTORMODE", TOKEN_ADPSETCONNECTORMODE, kAdpSetConnectorMode},
    {"SHOWENCLLIST", kNone, kShowEnclList},
    {"ENCLLOCATE", kNone, kEnclLocate},
    {"PDFWDOWNLOAD", TOKEN_PDFWDOWNLOAD, kPdFwDownload},
    {"PDCPYBK", TOKEN_PDCPYBK, kPdCpyBk},
    {"PDINSTANTSECUREERASE", TOKEN_PDINSTANTSECUREERASE, kPdInstantSecureErase},
    {"CREATESECURITYKEY", TOKEN_CREATESECURITYKEY, kCreateSecurityKey},
    {"CHANGESECURITYKEY", TOKEN_CHANGESECURITYKEY, kChangeSecurityKey},
    {"DESTROYSECURITYKEY", TOKEN_DESTROYSECURITYKEY, kDestroySecurityKey},
    {"DELETESECURITYKEY", TOKEN_DELETESECURITYKEY, kDestroySecurityKey},
    {"GETKEYID", TOKEN_GETKEYID, kGetKeyId},
    {"SETKEYID", TOKEN_SETKEYID, kSetKeyId},
    {"VERIFYSECURITYKEY", TOKEN_VERIFYSECURITYKEY, kVerifySecurityKey},
    {"ADPINFOCOMPARE", kNone, kAdpInfoCompare},
    {"ADPFWDUMP", kNone, kAdpFwDump},
    {"V", TOKEN_APPVERSION, kAppVersion},
    {"HELP", TOKEN_HELP, kHelp},
    {"ADPFWFLASH", TOKEN_ADPFWFLASH, kAdpFwFlash},
    {"ADPALILOG", TOKEN_ADPALILOG, kAdpAlILog},
    {"DIRECTPDMAPPING", TOKEN_DIRECTPDMAPPING, kDirectPdMapping},
    {"GETPRESERVEDCACHELIST", TOKEN_GETPRESERVEDCACHELIST, kGetPreservedCacheList},
    {"DISCARDPRESERVEDCACHE", TOKEN_DISCARDPRESERVEDCACHE, kDiscardPreservedCache},
    {"PHYERRORCOUNTERS", TOKEN_PHYERRORCOUNTERS, kPhyErrorCounters},
    {"LDMAKESECURE", TOKEN_LDMAKESECURE, kLdMakeSecure},
    {"VERSION", TOKEN_VERSION, kVersion},
    {"PREVENTPIIMPORT", kNone, kPreventPiImport},
    {"SHOWSUMMARY", TOKEN_SHOWSUMMARY, kShowSummary},
    {"ADPGETPCIINFO", TOKEN_ADPGETPCIINFO, kAdpGetPciInfo},
    {"LDVIEWMIRROR", TOKEN_LDVIEWMIRROR, kLdViewMirror},
    {"LDJOINMIRROR", TOKEN_LDJOINMIRROR, kLdJoinMirror},
    {"LDSETPOWERPOLICY", TOKEN_LDSETPOWERPOLICY, kLdSetPowerPolicy},
    {"SECUREERASE", TOKEN_SECUREERASE, kSecureErase},
    {"GETBBTENTRIES", TOKEN_GETBBTENTRIES, kGetBbtEntries},
    {"FLASHTIER", TOKEN_FLASHTIER, kFlashTier},
    {"PERFMON", TOKEN_PERFMON, kPerfmon},
    {"DPMSTAT", TOKEN_DPMSTAT, kDpmStat},
};

}  // namespace
}  // namespace usage

const HelpEntry* HelpTable::Find(const char* normalisedName)
{
    if (normalisedName == nullptr)
        return nullptr;
    for (const HelpEntry& entry : usage::kHelpEntries) {
        if (std::strcmp(entry.keyword, normalisedName) == 0)
            return &entry;
    }
    return nullptr;
}

const HelpEntry* HelpTable::Entries() { return usage::kHelpEntries; }

std::size_t HelpTable::Count() { return sizeof(usage::kHelpEntries) / sizeof(usage::kHelpEntries[0]); }
