// Usage texts of the adapter information, version, PHY, enclosure and performance commands.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

const Piece kAdpAllInfo[] = {
    {"\n        \tAdpAllInfo\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpAllInfo -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Display parameters on the given adapter(s).\n"},
    {"        Displays information of adapter, including cluster state, BIOS, alarm, \n"},
    {"        firmware version, BIOS version, battery charge counter value, rebuild \n"},
    {"        rate, bus number/device number, present RAM, serial number of the board, \n"},
    {"        and SAS address.\n"},
    {kConventionHead},
    {kAdapterOne},
    {kAdapterListFirst},
    {"              \t      select two or more adapters in this manner.\n"},
    {"          -aALL      Specifies the command is for all adapters. \n"},
    kEnd,
};

const Piece kAdpCount[] = {
    {"\n        \tAdpCount\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -AdpCount\n"},
    {kDescriptionHead},
    {"        Displays the number of controllers connected.\n"},
    kEnd,
};

const Piece kAdpGetPciInfo[] = {
    {"\n        \tAdpGetPciInfo\n"},
    {"        \t-------------\n\n"},
    {"Syntax: %s -AdpGetPciInfo -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the PCI bus number, device number and function number of the \n"},
    {"        given adapter(s).\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpInfoCompare[] = {
    {"\n        \tAdpInfoCompare\n"},
    {"        \t--------------\n\n"},
    {"Syntax: %s -AdpInfoCompare -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Compares the information of the given adapters.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kShowSummary[] = {
    {"\n        \tShowSummary\n"},
    {"        \t-----------\n\n"},
    {"Syntax: %s -ShowSummary [-f filename] -aN\n"},
    {kDescriptionHead},
    {"        Displays a summary of the system, the adapter hardware (controller, battery \n"},
    {"        backup unit, enclosures, physical drives) and the virtual drives.\n"},
    {kParametersHead},
    {"        f: Writes the summary to the given file instead of the screen.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kVersion[] = {
    {"\n            Version   \n"},
    {"          ------------------\n\n"},
    {"Syntax: %s -Version -Cli|-Ctrl|-Driver|-Pd -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"         Displays the version corresponding to tne option\n\n"},
    {"Note: -Driver option is not supported for TarnbekKL application.\n"},
    kEnd,
};

const Piece kAppVersion[] = {
    {"\n        \tVersion \n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -v\n"},
    {kDescriptionHead},
    {"        Command displays the version number of the Tarnbek utility.\n"},
    kEnd,
};

const Piece kHelp[] = {
    {"\n        \thelp\n"},
    {"        \t----\n\n"},
    {"Syntax: %s -help|-h|?\n"},
    {kDescriptionHead},
    {"        Displays help for the Tarnbek utility.\n"},
    kEnd,
};

const Piece kPhyInfo[] = {
    {"\n        \tPhyInfo\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -PhyInfo -phyM -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays what is attached to the given PHY of the adapter: the attached SAS \n"},
    {"        address, the PHY identifier, the device type and the link speed.\n"},
    {kConventionHead},
    {"          -phyM       M specifies the PHY number.\n"},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPhyErrorCounters[] = {
    {"\n        \tPhyErrorCounters\n"},
    {"        \t----------------\n\n"},
    {"Syntax: %s -PhyErrorCounters -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the link error counters of every PHY of the adapter: invalid dword \n"},
    {"        count, running disparity error count, loss of dword synchronization count \n"},
    {"        and PHY reset problem count.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kEncInfo[] = {
    {"\n        \tEncInfo\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -EncInfo -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays information about the enclosures connected to the adapter: type, \n"},
    {"        vendor and product identification, and the status of the voltage sensors, \n"},
    {"        power supplies, fans, temperature sensors and chassis.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kEncStatus[] = {
    {"\n        \tEncStatus\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -EncStatus -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the status of the slots, power supplies, fans, temperature sensors, \n"},
    {"        alarms and SIM modules of the enclosures connected to the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kShowEnclList[] = {
    {"\n        \tShowEnclList\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -ShowEnclList -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Lists the enclosures connected to the adapter\x92s ports.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kEnclLocate[] = {
    {"\n        \tEnclLocate\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -EnclLocate -Start|-Stop -EncN -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Starts or stops the locate indication of the given enclosure.\n"},
    {kConventionHead},
    {"          -EncN       N specifies the enclosure id.\n"},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPerfmon[] = {
    {"\n        \tPerfmon\n"},
    {"               ----------\n\n"},
    {"Syntax: %s -Perfmon {-start -interval <val>} | {stop} | {-getresults -f <Filename>} -aN \n"},
    {kDescriptionHead},
    {"        This command show the performance data.\n"},
    {"interval: Interval is perfomance data capture time in minutes. \n"},
    {kAdapterOne},
    kEnd,
};

}  // namespace usage
