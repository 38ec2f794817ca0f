#include "help/CompleteUsage.h"

#include "help/AppVersionCp.h"

namespace usage {

const Piece kCompleteHead[] = {
    {"\n\nNOTE: The following options may be given at the end of any command below: \n"},
    {"\n    [-Silent] [-AppLogFile filename] [-NoLog] [-page[N]] \n"},
    {"                 [-] is optional. \n"},
    {"                  N - Number of lines per page. \n\n"},
    kEnd,
};

const Piece kCompleteNotes[] = {
    {"\n    Note: The directly connected drives can be specified as [:S] \n"},
    {"\n    Wildcard '?' can be used to specify the enclosure ID for the drive in the \n"},
    {"      only enclosure without direct connected device or the direct connected \n"},
    {"      drives with no enclosure in the system.\n"},
    {"\n    Note:[-aALL] option assumes that the parameters specified are valid \n"},
    {"       for all the Adapters. \n"},
    {"\n    Note:ProgDsply option is not supported in VMWARE-COSLESS.\n"},
    kEnd,
};

const Piece kCompleteTail[] = {
    {"\n    The following options may be given at the end of any command above: \n"},
    {"\n    [-Silent] [-AppLogFile filename] [-NoLog] [-page[N]] \n"},
    {"                 [-] is optional. \n"},
    {"                  N - Number of lines per page. \n"},
    kEnd,
};

const Piece kCompleteQxEntries[] = {
    {"%s Qx -AddVd <devList>\n"},
    {"%s Qx -RemVd <devList>\n"},
    {"%s Qx -AddCdev <devList> | -force\n"},
    {"%s Qx -RemCdev <devList>\n"},
    {"%s Qx -VdList | -Configured | -Unconfigured\n"},
    {"%s Qx -CdevList | -Configured | -Unconfigured\n"},
    {"%s Qx -ConfigInfo\n"},
    {"%s Qx -PerfStats\n"},
    {"%s Qx -OnlineVd\n"},
    {"%s Qx -SwiftCardInfo -iN | -iALL\n"},
    kEnd,
};

}  // namespace usage

void PrintUsage(const AppVersionCp& cp, u8 oemMode)
{
    const char* program = usage::ProgramName(cp.GetOemMode());
    for (const usage::Piece* section :
         {usage::kCompleteHead, usage::kCompleteAdapterEntries, usage::kCompleteDriveEntries,
          usage::kCompleteConfigEntries, usage::kCompleteMaintenanceEntries, usage::kCompleteNotes,
          usage::kCompleteTail, usage::kCompleteQxEntries})
        usage::Print(section, oemMode, program);
}
