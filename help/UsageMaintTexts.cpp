// Usage texts of the maintenance and log commands: firmware flash, terminal log, event log,
// battery backup unit, diagnostic log and firmware dump.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

const Piece kFwTermLog[] = {
    {"\n        \tFwTermLog\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -FwTermLog -BBUoff|BBUoffTemp|BBUon|BBUGet|-Dsply|-Clear -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays or clears the firmware terminal log, or sets or displays whether the \n"},
    {"        battery backup unit backs the log history.\n"},
    {kParametersHead},
    {"        BBUoff: The battery does not back the log history.\n"},
    {"        BBUoffTemp: The battery does not back the log history until the next boot.\n"},
    {"        BBUon: The battery backs the log history.\n"},
    {"        BBUGet: Displays whether the battery backs the log history.\n"},
    {"        Dsply: Displays the firmware terminal log.\n"},
    {"        Clear: Clears the firmware terminal log.\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kAdpEventLog[] = {
    {"\n        \tAdpEventLog\n"},
    {"        \t-----------\n\n"},
    {"Syntax: %s -AdpEventLog -GetEventLogInfo -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -GetEvents {-info -warning -critical -fatal} {-f <fileName>} -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -GetSinceShutdown {-info -warning -critical -fatal} {-f <fileName>} "
     "-aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -GetSinceReboot {-info -warning -critical -fatal} {-f <fileName>} "
     "-aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -IncludeDeleted {-info -warning -critical -fatal} {-f <fileName>} "
     "-aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -GetLatest n {-info -warning -critical -fatal} {-f <fileName>} -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -GetCCIncon -f <fileName> -LX|-L0,2,5...|-LALL -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -AdpEventLog -Clear -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays, writes to a file or clears the event log of the adapter.\n"},
    {kParametersHead},
    {"        GetEventLogInfo: Displays the sequence numbers of the event log.\n"},
    {"        GetEvents: Writes the events since the log was last cleared.\n"},
    {"        GetSinceShutdown: Writes the events since the last shutdown.\n"},
    {"        GetSinceReboot: Writes the events since the last reboot.\n"},
    {"        IncludeDeleted: Writes all events, including those before the last clear.\n"},
    {"        GetLatest: Writes the n newest events, newest first.\n"},
    {"        GetCCIncon: Writes the consistency check inconsistencies of the given virtual drives.\n"},
    {"        Clear: Clears the event log.\n"},
    {kConventionHead},
    {"          -info          :Informational message. No user action is necessary.\n"},
    {"          -warning   :Some component may be close to a failure point.\n"},
    {"          -critical     :A component has failed, but the system has not lost data.\n"},
    {"          -fatal        :A component has failed, and data loss has occurred or will occur.\n"},
    {"          -f             :File the events are written to.\n"},
    {"          -LX            :X specifies the LD number.\n"},
    {"          -L0,2,5...     :Specifies the command is for LDs 0, 2 and 5.\n"},
    {"          -LALL          :Specifies the command is for all LDs.\n"},
    {"          -aN          :N specifies the adapter number for the command.\n"},
    {"          -a0,1,2      :Specifies the command is for adapters 0, 1, and 2. More than one adapter can be "
     "selected.\n"},
    {"          -aALL        :Specifies the command is for all adapters.\n"},
    kEnd,
};

const Piece kAdpBbuCmd[] = {
    {"\n        \tAdpBbuCmd\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -AdpBbuCmd -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -GetBbuStatus -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -GetBbuCapacityInfo -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -GetBbuDesignInfo -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -GetBbuProperties -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -BbuLearn -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -BbuMfgSleep -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -BbuMfgSeal -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -getBbumodes  -aN|-a0,1,2|-aALL  \n"},
    {"Syntax: %s -AdpBbuCmd -ScheduleLearn -Dsbl|-Info|[-STARTTIME DDD hh] -aN|-a0,1,2|-aALL \n"},
    {"Syntax: %s -AdpBbuCmd -GetGGEEPData Offset [Hexaddress] NumBytes n -aN|-a0,1,2|-aALL \n"},
    {"Syntax: %s -AdpBbuCmd -SetBbuProperties -f <fileName> -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Manages the battery backup unit of the adapter; without an option displays \n"},
    {"        all its information.\n"},
    {kParametersHead},
    {"        GetBbuStatus: Displays the status of the battery.\n"},
    {"        GetBbuCapacityInfo: Displays the capacity of the battery.\n"},
    {"        GetBbuDesignInfo: Displays the design parameters of the battery.\n"},
    {"        GetBbuProperties: Displays the properties of the battery.\n"},
    {"        BbuLearn: Starts a learn cycle.\n"},
    {"        BbuMfgSleep: Places the battery in low-power storage mode.\n"},
    {"        BbuMfgSeal: Seals the gas gauge EEPROM write access.\n"},
    {"        getBbumodes: Displays the battery modes the adapter supports.\n"},
    {"        ScheduleLearn: Disables the scheduled learn cycle, displays the schedule, or sets \n"},
    {"            the start of the next learn cycle (day of the week DDD and hour hh).\n"},
    {"        GetGGEEPData: Displays n bytes of the gas gauge EEPROM from the given offset.\n"},
    {"        SetBbuProperties: Sets the properties of the battery from the given file:\n"},
    {"        \tlearnDelayInterval = X\n"},
    {"               # X: Time in hours Not greater than 7 days or 168 hours.\n"},
    {"        \tautoLearnMode = Y\n"},
    {"               # Y: 0 - Enabled, 1 - Disabled, 2 - WarnViaEvent.\n"},
    {"        \tbbuMode = Z\n"},
    {" # Z: 1 to 255. For gets all supported bbu modes fire 'Adpbbucmd getBbumodes' command.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpM0Flash[] = {
    {"\n        \tAdpM0Flash\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpM0Flash -f filename\n"},
    {kDescriptionHead},
    {"        Flashes the firmware of an adapter in mode 0 from the given image file.\n"},
    kEnd,
};

const Piece kAdpFwFlash[] = {
    {"\n        \tAdpFwFlash\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpFwFlash -f filename [-NoSigChk] [-NoVerChk] [-FWTYPE n]-aN| -a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Flashes the firmware image in the given file to the adapter(s).\n"},
    {kParametersHead},
    {"        NoSigChk: Flashes without checking the image against the board signature.\n"},
    {"        NoVerChk: Flashes without comparing the versions of the image and the adapter.\n"},
    {"        FwType: adapter firmware type. Give the value of Fw-type in number.  \n"},
    {"            Values: 0 - Application firmware (default), 1 - KORV battery module firmware \n"},
    {"        An adapter without usable firmware is flashed in mode 0 with the -AdpM0Flash \n"},
    {"        command.\n"},
    {"        XML output data is generated by this option.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpAlILog[] = {
    {"\n        \tAdpAlILog\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -AdpAlILog -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays everything known about the adapter and its host for troubleshooting: \n"},
    {"        host information, adapter settings, battery backup unit, physical devices, \n"},
    {"        virtual drives, event history and the firmware terminal log.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpFwDump[] = {
    {"\n        \tadpFwDump\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -adpFwDump\n"},
    {kDescriptionHead},
    {"        Writes the firmware dump of the adapters to a file.\n"},
    kEnd,
};

}  // namespace usage
