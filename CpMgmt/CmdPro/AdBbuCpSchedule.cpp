// The battery's learn schedule: shown, switched off, or the next learn cycle moved to a weekday
// and hour on the controller's clock; the calendar form of a controller time.
#include <cstdio>
#include <ctime>

#include "CpMgmt/CmdPro/AdBbuCp.h"
#include "CpMgmt/CmdPro/AdEvLgCp.h"
#include "CpMgmt/CmdPro/BbuMessageIds.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/ByteView.h"
#include "ZepUtil/TextHelpers.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/CtrlTime.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::time_t kUnixTimeOf2000 = 946684800;  // 2000-01-01 00:00:00 UTC
constexpr long kWeek = 604800;
constexpr long kDay = 86400;

std::tm LocalTime(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

}  // namespace

int AdpBbuCp::GetDstOffset() { return AdpEventLogCp::GetDstOffset(); }

std::string AdpBbuCp::FormatFwTime(u32 time)
{
    const std::time_t when = kUnixTimeOf2000 + static_cast<std::time_t>(time);
    std::tm t{};
    gmtime_r(&when, &t);
    char text[64];
    std::snprintf(text, sizeof text, "%s %d %d %.2d:%.2d:%.2d ", kMonthAbbreviations[t.tm_mon % 12], t.tm_mday,
                  t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

int AdpBbuCp::GetFwTime(CpController* cpController, u32* time)
{
    u8 block[ctrltime::kSecondsSize] = {};
    const int status = SendBbuDcmd(kDcmdCtrlGetTimeSeconds, block, cpController);
    if (status != 0) {
        ReportFailure(cpController, __LINE__, kDcmdCtrlGetTimeSeconds, status, "Get FW Time Failed.");
        return status;
    }
    *time = ByteView(block).U32(ctrltime::kOffSeconds);
    return 0;
}

int AdpBbuCp::PrintLearnSchedule(const u8* propertiesBlock, const u8* designBlock)
{
    const ByteView properties(propertiesBlock, bbuprops::kSize);
    const ByteView design(designBlock, bbudesign::kSize);
    const u8 mode = properties.U8(bbuprops::kOffAutoLearnMode);
    std::time_t when = AdpEventLogCp::Base2000(0) + static_cast<std::time_t>(properties.U32(bbuprops::kOffNextLearn));
    std::tm t = LocalTime(when);
    if (t.tm_isdst > 0) {
        when -= GetDstOffset();
        t = LocalTime(when);
    }
    std::string text = "Battery Learn Scheduling Information:\n\n";
    char line[160];
    std::snprintf(line, sizeof line, "%s %s\n", "Auto Learn Mode: ",
                  AutoLearnModeText(mode, design.U8(bbudesign::kOffTransparentLearn) != 0));
    text += line;
    if (mode != bbuprops::kAutoLearnOn)
        std::snprintf(line, sizeof line, "%s %s\n", "Schedule Time:", "None");
    else
        std::snprintf(line, sizeof line, "%s %s, %s %d, %d at %.2d:%.2d:%.2d \n", "Schedule Time:",
                      kWeekdays[t.tm_wday % 7], kMonths[t.tm_mon % 12], t.tm_mday, t.tm_year + 1900, t.tm_hour,
                      t.tm_min, t.tm_sec);
    text += line;
    std::snprintf(line, sizeof line, "%s %d Weeks\n", "Interval :",
                  static_cast<u8>(properties.U32(bbuprops::kOffLearnPeriod) / kWeek));
    text += line;
    PrintMessage(CommonMsg::kText, text.c_str());
    return 0;
}

bool AdpBbuCp::ReadLearnSchedule(CpController* cpController, u8 option, u8* properties, u8* design, int* status)
{
    int result = SendBbuDcmd(kDcmdBbuGetProperties, properties, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetProperties, result, "Get BBU Properties Failed.");
        *status = -1;
        return false;
    }
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr) {
        *status = -1;
        return false;
    }
    Adapter* adapter = nullptr;
    if (manager->Refresh() != 0 || manager->GetAdapter(&adapter) != 0 || adapter == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        *status = -1;
        return false;
    }
    if (!adapter->IsRealTimeSchedulingSupported()) {
        PrintMessage(BbuMsg::kNoRealTimeScheduling, adapterNumber);
        *status = 1;
        return false;
    }
    result = SendBbuDcmd(kDcmdBbuGetDesign, design, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetDesign, result, "Get BBU Design Info Failed.");
        *status = -1;
        return false;
    }
    u8 type = 0;
    GetBatteryType(cpController, &type);
    if (ByteView(design, bbudesign::kSize).U8(bbudesign::kOffTransparentLearn) != 0 && type == bbustatus::kTypeKorv && option != AdpBbuPo::kScheduleInfo) {
        ReportText(cpController, "Can not set bbu Schedule Learn for KORV Battery with Transparent Learn.");
        *status = -1;
        return false;
    }
    return true;
}

bool AdpBbuCp::SecondsToNextLearn(const std::tm& now, int weekday, long hour, long* seconds)
{
    const long ahead = now.tm_wday == weekday  ? 0
                       : now.tm_wday < weekday ? weekday - now.tm_wday
                                               : 7 - now.tm_wday + weekday;
    const long intoHour = now.tm_min * 60L + now.tm_sec;
    if (ahead == 0 && now.tm_hour < hour)
        *seconds = (hour - now.tm_hour) * 3600 - intoHour;
    else if (ahead == 0 && now.tm_hour == hour && now.tm_min == 0)
        return false;  // the hour has only just begun
    else if (ahead == 0)
        *seconds = kWeek + (hour - now.tm_hour) * 3600 - intoHour;  // the same time next week
    else
        *seconds = ahead * kDay + (hour - now.tm_hour) * 3600 - intoHour;
    return true;
}

int AdpBbuCp::PlanNextLearn(CpController* cpController, AdpBbuPo* object, u8* properties)
{
    u32 controllerTime = 0;
    const int status = GetFwTime(cpController, &controllerTime);
    if (status != 0)
        return status;
    const std::time_t base = AdpEventLogCp::Base2000(0);
    const std::time_t now = base + static_cast<std::time_t>(controllerTime);
    long delta = 0;
    if (!SecondsToNextLearn(LocalTime(now), object->GetWeekday(), object->GetScheduleHour(), &delta))
        return -1;
    std::time_t next = now + delta;
    if (LocalTime(next).tm_isdst > 0)
        next += GetDstOffset();
    ByteWriter fields(properties, bbuprops::kSize);
    fields.PutU32(bbuprops::kOffNextLearn, static_cast<u32>(next - base));
    fields.PutU8(bbuprops::kOffAutoLearnMode, bbuprops::kAutoLearnOn);
    return 0;
}

int AdpBbuCp::WriteLearnSchedule(CpController* cpController, u8 option, const std::string& label, u8* properties,
                                 const u8* design)
{
    int status = SendBbuDcmd(kDcmdBbuSetProperties, properties, cpController);
    if (status != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuSetProperties, status,
                      (label + " Battery Learn Scheduling Operation Failed.").c_str());
        return status;
    }
    ReportText(cpController, (label + " Battery Learn Scheduling Operation Successful.").c_str());
    if (option != AdpBbuPo::kScheduleStart)
        return 0;
    status = SendBbuDcmd(kDcmdBbuGetProperties, properties, cpController);
    if (status != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetProperties, status, "Get BBU Properties Failed.");
        return -1;
    }
    return PrintLearnSchedule(properties, design);
}

int AdpBbuCp::ScheduleLearn(CpController* cpController, AdpBbuPo* object)
{
    const u8 option = object->GetScheduleOption();
    u8 properties[bbuprops::kSize] = {};
    u8 design[bbudesign::kSize] = {};
    int status = 0;
    if (!ReadLearnSchedule(cpController, option, properties, design, &status))
        return status;

    std::string label;
    if (option == AdpBbuPo::kScheduleInfo)
        return PrintLearnSchedule(properties, design);
    if (option == AdpBbuPo::kScheduleDisable) {
        ByteWriter(properties).PutU8(bbuprops::kOffAutoLearnMode, bbuprops::kAutoLearnOff);
        label = "Disable:";
    } else if (option == AdpBbuPo::kScheduleStart) {
        status = PlanNextLearn(cpController, object, properties);
        if (status != 0)
            return status;
    } else {
        return -1;
    }
    return WriteLearnSchedule(cpController, option, label, properties, design);
}
