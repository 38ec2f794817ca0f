#include "help/QxHelp.h"

#include <cstring>

#include "help/AppVersionCp.h"
#include "help/UsagePieces.h"
#include "help/UsageText.h"

namespace usage {
namespace {

constexpr char kDevList[] =
    "              <devList>  List of devices seperated by \":\" (without leading/trailing space/tab).\n";

const Piece kAddVd[] = {
    {"\n        \tAddVd command\n"},
    {"        \t-------------\n\n"},
    {"Syntax: %s Qx -AddVd <devList>\n"},
    {kDescriptionHead},
    {"          This command adds the given virtual drives to the cache group.\n"},
    {kDevList},
    kEnd,
};

const Piece kRemVd[] = {
    {"\n        \tRemVd command\n"},
    {"        \t-------------\n\n"},
    {"Syntax: %s Qx -RemVd <devList>\n"},
    {kDescriptionHead},
    {"          This command removes the given virtual drives from the cache group.\n"},
    {kDevList},
    kEnd,
};

const Piece kAddCdev[] = {
    {"\n        \tAddCdev command\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s Qx -AddCdev <devList> | -force\n"},
    {kDescriptionHead},
    {"          This command adds the given cache devices to the cache group.\n"},
    {kDevList},
    {"              -force     Force adding device with filesystem / MBR / swap / LVM2.\n"},
    kEnd,
};

const Piece kRemCdev[] = {
    {"\n        \tRemCdev command\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s Qx -RemCdev <devList>\n"},
    {kDescriptionHead},
    {"          This command removes the given cache devices from the cache group.\n"},
    {kDevList},
    kEnd,
};

const Piece kVdList[] = {
    {"\n        \tVdList command\n"},
    {"        \t--------------\n\n"},
    {"Syntax: %s Qx -VdList | -configured | -unconfigured\n"},
    {kDescriptionHead},
    {"          This command lists configured and unconfigured virtual drives,\n"
     "          without any option this will list both configured and unconfigured devices.\n"
     "          The information displayed are: Device Node, WWN, Capacity.\n"
     "          The capacity of the device is displayed in terms of blocks.\n"},
    {"              -configured    Lists only configured virtual drives.\n"},
    {"              -unconfigured  Lists only unconfigured virtual drives.\n"},
    kEnd,
};

const Piece kCdevList[] = {
    {"\n        \tCdevList command\n"},
    {"        \t----------------\n\n"},
    {"Syntax: %s Qx -CdevList | -configured | -unconfigured\n"},
    {kDescriptionHead},
    {"          This command lists configured and unconfigured cache devices.\n"
     "          without any option this will list both configured and unconfigured devices.\n"
     "          The information displayed are: Device Node, WWN, Capacity.\n"
     "          The capacity of the device is displayed in terms of blocks.\n"},
    {"              -configured    Lists only configured cache devices.\n"},
    {"              -unconfigured  Lists only unconfigured cache devices.\n"},
    kEnd,
};

const Piece kConfigInfo[] = {
    {"\n        \tConfigInfo command\n"},
    {"        \t------------------\n\n"},
    {"Syntax: %s Qx -ConfigInfo\n"},
    {kDescriptionHead},
    {"          This command displays information about Qx driver.\n"},
    kEnd,
};

const Piece kPerfStats[] = {
    {"\n        \tPerfStats command\n"},
    {"        \t-----------------\n\n"},
    {"Syntax: %s Qx -PerfStats\n"},
    {kDescriptionHead},
    {"          This command displays information about Qx performance statistics.\n"},
    kEnd,
};

const Piece kOnlineVd[] = {
    {"\n        \tOnlineVd command\n"},
    {"        \t-----------------\n\n"},
    {"Syntax: %s Qx -OnlineVd <devList> \n"},
    {kDescriptionHead},
    {"          This command reconfigures a VD which is in Ready for Online State.\n"},
    kEnd,
};

const Piece kSwiftCardInfo[] = {
    {"\n        \tSwiftCardInfo command\n"},
    {"        \t----------------------\n\n"},
    {"Syntax: %s Qx -SwiftCardInfo -iN|-iALL \n"},
    {kDescriptionHead},
    {"          This command lists the SwiftCards connected to the system, with the controller id\n"
     "          and other information about each card.\n"},
    {"              -iN       Lists only the N-th card, N being its index in the list of -iALL.\n"},
    {"              -iALL     Lists all cards in the system.\n"},
    kEnd,
};

struct QxEntry {
    const char* keyword;
    const Piece* text;
};

// Searched in this order.
constexpr QxEntry kQxTable[] = {
    {"ADDVD", kAddVd},
    {"REMVD", kRemVd},
    {"ADDCDEV", kAddCdev},
    {"REMCDEV", kRemCdev},
    {"VDLIST", kVdList},
    {"CDEVLIST", kCdevList},
    {"CONFIGINFO", kConfigInfo},
    {"PERFSTATS", kPerfStats},
    {"ONLINEVD", kOnlineVd},
    {"SWIFTCARDINFO", kSwiftCardInfo},
};

const QxEntry* FindQx(const char* keyword)
{
    if (keyword == nullptr)
        return nullptr;
    for (const QxEntry& entry : kQxTable) {
        if (std::strcmp(entry.keyword, keyword) == 0)
            return &entry;
    }
    return nullptr;
}

}  // namespace
}  // namespace usage

bool IsQxKeyword(const char* keyword) { return usage::FindQx(keyword) != nullptr; }

void printQxHelp(const AppVersionCp& cp, const char* programName, const char* keyword)
{
    if (const usage::QxEntry* entry = usage::FindQx(keyword))
        usage::Print(entry->text, cp.GetOemMode(), programName);
}
