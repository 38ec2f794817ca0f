// Usage texts of the adapter settings commands: time, BIOS, boot drive, rebuild, patrol read,
// consistency-check schedule, diagnostics, cache flush, shutdown, factory defaults,
// connectors and PHY link speed.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

namespace {
constexpr char kConnectorOne[] = "          -ConnectorN    N specifies the connector number.\n";
constexpr char kConnectorList[] = "          -Connector0,1  Specifies the command is for connectors 0 and 1.\n";
constexpr char kConnectorAll[] = "          -ConnectorAll  Specifies the command is for all connectors.\n";
}  // namespace

// The convention lines of the connector selectors (#undef at the end: the unity build joins files).
#define USAGE_SETTINGS_CONNECTORS {kConnectorOne}, {kConnectorList}, {kConnectorAll}

const Piece kAdpGetTime[] = {
    {"\n        \tAdpGetTime\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpGetTime -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the date and time of the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpSetTime[] = {
    {"\n        \tAdpSetTime\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpSetTime yyyymmdd hh:mm:ss -aN\n"},
    {kDescriptionHead},
    {"        Sets the date and time of the adapter, in 24-hour format. The date and \n"},
    {"        the time may be given in either order.\n"},
    {kParametersHead},
    {"        yyyymmdd: Year, month and day.\n"},
    {"        hh:mm:ss: Hours, minutes and seconds.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpSetVerify[] = {
    {"\n        \tAdpSetVerify\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -AdpSetVerify -f fileName -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Compares the settings stored on the adapter with the settings in the given \n"},
    {"        file and lists the settings that differ. Nothing is changed on the adapter.\n"},
    {kParametersHead},
    {"        f: Text file of KEY=VALUE lines, one setting per line.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpBios[] = {
    {"\n        \tAdpBIOS\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -AdpBIOS -Enbl |-Dsbl | -SOE | -BE | EnblAutoSelectBootLd | DsblAutoSelectBootLd | -Dsply "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Sets the BIOS options of the adapter or displays them.\n"},
    {kParametersHead},
    {"        Enbl, Dsbl: Enables or disables the BIOS.\n"},
    {"        SOE: Stops the BIOS on an error.\n"},
    {"        BE: Bypasses errors during the BIOS boot.\n"},
    {"        EnblAutoSelectBootLd, DsblAutoSelectBootLd: Enables or disables the automatic \n"},
    {"            selection of the boot virtual drive.\n"},
    {"        Dsply: Displays the BIOS settings.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpBootDrive[] = {
    {"\n        \tAdpBootDrive\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -AdpBootDrive {-Set {-Lx | -physdrv[E0:S0]}} | {-Unset {-Lx | -physdrv[E0:S0]}} |-Get "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Sets, clears or displays the drive the adapter BIOS boots from: a virtual \n"},
    {"        drive, or a physical drive exposed to the host as a JBOD drive.\n"},
    {kParametersHead},
    {"        Set: Sets the given virtual drive or physical drive as the boot drive.\n"},
    {"        Unset: Clears the given virtual drive or physical drive as the boot drive.\n"},
    {"        Get: Displays the boot drive.\n"},
    {kConventionHead},
    {kLdOne},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpAutoRbld[] = {
    {"\n        \tAdpAutoRbld\n"},
    {"        \t-----------\n\n"},
    {"Syntax: %s -AdpAutoRbld -Enbl|-Dsbl|-Dsply -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Enables or disables the automatic rebuild of the adapter, or displays it.\n"},
    {kParametersHead},
    {"        Enbl: Enables automatic rebuild.\n"},
    {"        Dsbl: Disables automatic rebuild.\n"},
    {"        Dsply: Displays whether automatic rebuild is enabled.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpCacheFlush[] = {
    {"\n        \tAdpCacheFlush\n"},
    {"        \t-------------\n\n"},
    {"Syntax: %s -AdpCacheFlush -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Flushes the adapter cache.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpPr[] = {
    {"\n        \tAdpPR\n"},
    {"        \t-----\n\n"},
    {"Syntax: %s -AdpPR -Dsbl|EnblAuto|EnblMan|Start|Stop|Suspend|Resume|Info|SSDPatrolReadEnbl|SSDPatrolReadDsbl"
     "|{SetDelay Val}|{-SetStartTime yyyymmdd hh}|{maxConcurrentPD Val} -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Sets the patrol read options of the adapter or runs patrol read. Patrol read \n"},
    {"        reads the drives in the background to find media errors before they harm a drive\x92s data.\n"},
    {kParametersHead},
    {"        Dsbl: Disables patrol read.\n"},
    {"        EnblAuto: Enables automatic patrol read.\n"},
    {"        EnblMan: Enables manual patrol read.\n"},
    {"        Start: Starts a patrol read run.\n"},
    {"        Stop: Stops the patrol read run in progress.\n"},
    {"        Suspend: Suspends the patrol read run.\n"},
    {"        Resume: Resumes the suspended patrol read run.\n"},
    {"        Info: Displays the patrol read state and settings.\n"},
    {"        SSDPatrolReadEnbl: Enables patrol read of SSD drives.\n"},
    {"        SSDPatrolReadDsbl: Disables patrol read of SSD drives.\n"},
    {"        SetDelay: Sets the delay between automatic runs, in hours.\n"},
    {"            Values: 0 to 65535 \n"},
    {"        SetStartTime: Sets the date and hour of the next run.\n"},
    {"        maxConcurrentPD: Sets the number of drives read at the same time.\n"},
    {"            Values: 0 to 65535 \n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpCcSched[] = {
    {"\n        \tAdpCcSched\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpCcSched -Dsbl|-Info|{-ModeConc | -ModeSeq [-ExcludeLD -LN|-L0,1,2]\n"},
    {"   [-SetStartTime yyyymmdd hh ] [-SetDelay val ] } -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpCcSched -SetStartTime yyyymmdd hh -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpCcSched -SetDelay val  -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Sets the scheduled consistency check of the adapter, or displays it.\n"},
    {kParametersHead},
    {"        Dsbl: Disables the scheduled consistency check.\n"},
    {"        Info: Displays the schedule and the state of the current check.\n"},
    {"        ModeConc: Checks the virtual drives concurrently.\n"},
    {"        ModeSeq: Checks the virtual drives one after the other.\n"},
    {"        ExcludeLD: Leaves the given virtual drives out of the scheduled check.\n"},
    {"        SetStartTime: Sets the date and hour of the next check.\n"},
    {"        SetDelay: Sets the delay between checks, in hours.\n"},
    {kConventionHead},
    {"          -LN         N specifies the LD number.\n"},
    {kLdList},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpDiag[] = {
    {"\n        \tAdpDiag\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -AdpDiag [val] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Runs the adapter\x92s self diagnostic and reports its outcome.\n"},
    {kParametersHead},
    {"        val: Time in seconds the diagnostic runs, at most 180; 20 when not given.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpBatTest[] = {
    {"\n        \tAdpBatTest\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpBatTest -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Tests the battery backup unit of the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpShutDown[] = {
    {"\n        \tAdpShutDown\n"},
    {"        \t-----------\n\n"},
    {"Syntax: %s -AdpShutDown -aN|-a0,1,2|-aALL\n"},
    {"\nDescritption: \n"},
    {"        Sends the shutdown command to the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpFacDefSet[] = {
    {"\n        \tAdpFacDefSet\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -AdpFacDefSet -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Restores the factory default settings of the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpGetConnectorMode[] = {
    {"\n        \tAdpGetConnectorMode\n"},
    {"        \t-------------------\n\n"},
    {"Syntax: %s -AdpGetConnectorMode -ConnectorN|-Connector0,1|-ConnectorAll -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the mode (internal, external or auto) of the given connectors.\n"},
    {kConventionHead},
    USAGE_SETTINGS_CONNECTORS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpSetConnectorMode[] = {
    {"\n        \tAdpSetConnectorMode\n"},
    {"        \t-------------------\n\n"},
    {"Syntax: %s -AdpSetConnectorMode -Internal|-External|-Auto -ConnectorN|-Connector0,1|-ConnectorAll "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Sets the mode of the given connectors. The new mode takes effect after the \n"},
    {"        next reboot.\n"},
    {kParametersHead},
    {"        Internal: The connector is used for internal devices.\n"},
    {"        External: The connector is used for external devices.\n"},
    {"        Auto: The adapter chooses the mode.\n"},
    {kConventionHead},
    USAGE_SETTINGS_CONNECTORS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPhySetLinkSpeed[] = {
    {"\n        \tPhySetLinkSpeed\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s -PhySetLinkSpeed -phyM -speed -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Limits the link speed of the given PHY of the adapter.\n"},
    {kParametersHead},
    {"        speed: 0 - No limit, 1 - 1.5 Gb/s, 2 - 3 Gb/s, 4 - 6 Gb/s, \n"},
    {"               8 - 12 Gb/s, when the adapter supports it.\n"},
    {kConventionHead},
    {"          -phyM       M specifies the PHY number.\n"},
    USAGE_ADAPTERS,
    kEnd,
};

#undef USAGE_SETTINGS_CONNECTORS

}  // namespace usage
