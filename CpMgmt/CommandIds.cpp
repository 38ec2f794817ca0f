#include "CpMgmt/CommandIds.h"

#include "cmdtool/ParsedObject.h"

#include <algorithm>
#include <array>
#include <iterator>

bool RunsEveryListedAdapter(u16 commandId)
{
    // Commands of the adapter information and physical drive families.
    static constexpr std::array<u16, 27> kIds = {
        TOKEN_ADPALLINFO,    TOKEN_ADPCOUNT,         TOKEN_SHOWSUMMARY,     TOKEN_LDGETNUM,    TOKEN_PDGETNUM,
        TOKEN_PDLIST,        TOKEN_PDINFO,           TOKEN_PDOFFLINE,       TOKEN_PDONLINE,    TOKEN_PDRBLD,
        TOKEN_PDCLEAR,       TOKEN_PDREPLACEMISSING, TOKEN_PDPRPRMV,        TOKEN_PDHSP,       TOKEN_PHYINFO,
        TOKEN_ENCINFO,       TOKEN_PDMAKEGOOD,       TOKEN_PDFWDOWNLOAD,    TOKEN_PHYERRORCOUNTERS, TOKEN_DIRECTPDMAPPING,
        TOKEN_PDCPYBK,       TOKEN_PDMAKEJBOD,       TOKEN_ENCSTATUS,       TOKEN_PERFMON,     TOKEN_ADPGETPCIINFO,
        TOKEN_DPMSTAT,       TOKEN_VERSION,
    };
    return std::find(kIds.begin(), kIds.end(), commandId) != kIds.end();
}

bool IsReport(const ParsedObject* parsedObject)
{
    static constexpr std::array<u16, 26> kReportIds = {
        TOKEN_ADPALLINFO,     TOKEN_SHOWSUMMARY,      TOKEN_ADPGETPCIINFO,       TOKEN_ENCINFO,
        TOKEN_ENCSTATUS,      TOKEN_VERSION,          TOKEN_PHYINFO,             TOKEN_PHYERRORCOUNTERS,
        TOKEN_PDLIST,         TOKEN_PDINFO,           TOKEN_PDGETMISSING,        TOKEN_LDINFO,
        TOKEN_LDPDINFO,       TOKEN_LDGETPROP,        TOKEN_GETLDEXPANSIONINFO,  TOKEN_LDVIEWMIRROR,
        TOKEN_GETBBTENTRIES,  TOKEN_GETPRESERVEDCACHELIST, TOKEN_CFGDSPLY,       TOKEN_CFGFLASHTIERDSPLY,
        TOKEN_CFGFREESPACEINFO, TOKEN_ADPGETPROP,     TOKEN_ADPGETTIME,          TOKEN_ADPGETCONNECTORMODE,
        TOKEN_ADPALILOG,      TOKEN_GETKEYID,
    };
    if (parsedObject == nullptr)
        return false;
    return parsedObject->OnlyReads() ||
           std::find(kReportIds.begin(), kReportIds.end(), parsedObject->GetCommandId()) != kReportIds.end();
}

bool SkipsPreChecks(u16 commandId)
{
    return commandId == TOKEN_ADPFWFLASH ||
           std::find(std::begin(kCommandIdsWithoutKeyword), std::end(kCommandIdsWithoutKeyword), commandId) !=
               std::end(kCommandIdsWithoutKeyword);
}
