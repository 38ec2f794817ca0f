#include "CpMgmt/CommandIds.h"

#include <algorithm>
#include <array>

bool RunsEveryListedAdapter(u16 commandId)
{
    // Commands of the adapter information and physical drive families.
    static constexpr std::array<u16, 27> kIds = {5,  6,  10, 26, 35, 36, 37, 38, 39, 40,  41,  44,  46,  47,
                                                 62, 63, 66, 73, 77, 79, 81, 104, 113, 115, 120, 122, 126};
    return std::find(kIds.begin(), kIds.end(), commandId) != kIds.end();
}
