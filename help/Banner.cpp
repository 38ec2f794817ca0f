#include "help/Banner.h"

#include <cstdio>

#include "help/VersionString.h"
#include "runtime/CtMessage.h"

namespace {
// The banner names this tool whatever the OEM mode.
constexpr char kBanner[] = "\n      Tarnbek SAS RAID Management Tool  Ver %s\n\n";
}  // namespace

void PrintBanner()
{
    char version[21];
    GetVersionString(version);
    char banner[sizeof kBanner + sizeof version];
    std::snprintf(banner, sizeof banner, kBanner, version);
    CtPrintString(string(banner));
}
