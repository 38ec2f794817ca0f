#include "CpMgmt/CommandIds.h"

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

bool SkipsPreChecks(u16 commandId)
{
    return commandId == TOKEN_ADPFWFLASH ||
           std::find(std::begin(kCommandIdsWithoutKeyword), std::end(kCommandIdsWithoutKeyword), commandId) !=
               std::end(kCommandIdsWithoutKeyword);
}
