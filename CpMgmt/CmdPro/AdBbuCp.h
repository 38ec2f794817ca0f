// The battery command (-AdpBbuCmd): the battery's status, capacity, design and properties
// reports (all of them when no sub-command is given), a learn cycle, manufacturing sleep and
// seal, the properties set from a KEY=VALUE file, the learn schedule, the battery modes and the
// gas gauge memory.
#pragma once
#include <ctime>
#include <string>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/BatteryDesign.h"
#include "fwdata/layout/BatteryProps.h"
#include "fwdata/layout/BatteryStatus.h"
#include "parsers/AdpBbuPo.h"

class AdpBbuCp : public TypedProcessor<AdpBbuPo, "AdpBbuPo *"> {
public:
    int ProcessParsed(CpController* cpController, AdpBbuPo* object) override;

    // One battery request with an all-zero mailbox (the opcode table gives length and direction
    // when `length` is 0): the status.
    static int SendBbuDcmd(u32 opcode, void* buffer, CpController* cpController, u32 length = 0);
    // Byte 0 of the status block; -1 (the type unchanged) when it cannot be read.
    static int GetBatteryType(CpController* cpController, u8* type);

    // The report without a sub-command: its parts in turn, each whatever became of the one
    // before; the first part that failed gives the status. `type` is the battery type read at
    // the start (`typeRead` false when it could not be read).
    static int PrintFullReport(CpController* cpController, AdpBbuPo* object, bool typeRead, u8 type);

    // Sub-commands 1 to 4, 7 and 8 and the full report's charge time (AdBbuCpReports.cpp).
    // The capacity report and the charge time ask the controller's OEM mode only for a time of
    // 0, which that mode shows as "N/A": when it cannot be read then, a line says so in the
    // value's place (the capacity report's after its lines) and the part fails.
    static int GetBbuStatus(CpController* cpController, AdpBbuPo* object);
    static void PrintBbuStatus(AdpBbuPo* object, const u8* status, const u8* design);
    static int GetBbuCapacityInfo(CpController* cpController, AdpBbuPo* object);
    // `oemMode` null: the OEM mode is not known.
    static void PrintBbuCapacityInfo(AdpBbuPo* object, const u8* capacity, const u32* oemMode);
    static void FormatMinutes(u32 minutes, std::string& text);
    static int GetBbuDesignInfo(CpController* cpController, AdpBbuPo* object);
    static void PrintBbuDesignInfo(AdpBbuPo* object, const u8* design, const u8* fru, u8 type);
    static int PrintChargeTime(CpController* cpController);
    static int StartBbuOperation(CpController* cpController, AdpBbuPo* object);

    // Sub-commands 5 and 6 (AdBbuCpProperties.cpp).
    static int GetBbuProperties(CpController* cpController, AdpBbuPo* object);
    static void PrintBbuProperties(AdpBbuPo* object, const u8* properties, u8 type, bool transparentLearn,
                                   bool modesSupported);
    static int SetBbuProperties(CpController* cpController, AdpBbuPo* object);
    static void Trim(char* text);
    static void TrimRight(char* text);
    static void TrimLeft(char* text);

    // Sub-commands 9, 11 and 12 (AdBbuCpSchedule.cpp, AdBbuCpModes.cpp).
    static int GetGgEepData(CpController* cpController, AdpBbuPo* object);
    static int GetBbuModes(CpController* cpController, AdpBbuPo* object);
    static void PrintBbuModes(AdpBbuPo* object, const u8* modes, u32 length);
    static int ScheduleLearn(CpController* cpController, AdpBbuPo* object);
    // The steps of the learn schedule: read the properties and design blocks and check that the
    // option can run (false after the message, with the command's status); the seconds from
    // `now` to the weekday and hour asked for (false when that hour has only just begun); the
    // next learn cycle written into the properties; the properties sent and, for a new start,
    // read back and shown.
    static bool ReadLearnSchedule(CpController* cpController, u8 option, u8* properties, u8* design, int* status);
    static bool SecondsToNextLearn(const std::tm& now, int weekday, long hour, long* seconds);
    static int PlanNextLearn(CpController* cpController, AdpBbuPo* object, u8* properties);
    static int WriteLearnSchedule(CpController* cpController, u8 option, const std::string& label, u8* properties,
                                  const u8* design);
    static int PrintLearnSchedule(const u8* properties, const u8* design);
    static int GetFwTime(CpController* cpController, u32* time);
    static int GetDstOffset();
    // The calendar form of a controller time, "Mon d yyyy hh:mm:ss " (no time zone applied).
    static std::string FormatFwTime(u32 time);
    // The auto learn mode's text.
    static const char* AutoLearnModeText(u8 mode, bool transparentLearn);

    // A failed request: the debug-log entry (at the caller's line) and message 0x18 with `text`.
    static void ReportFailure(CpController* cpController, int line, u32 opcode, int status, const char* text);
    // The debug-log entry alone.
    static void LogDebugFailure(int line, u32 opcode, int status);
    // Message 0x18 with `text`, without a debug-log entry.
    static void ReportText(CpController* cpController, const char* text);
    // The text of battery type `type` (status byte 0) with its variant flag: a type name, or the
    // design block's device name.
    static std::string BatteryTypeText(u8 type, u8 variant, const u8* design);
    // Whether that text is the design block's device name.
    static bool TypeNamedByDesign(u8 type, u8 variant);
};

namespace bbucp {
constexpr const char* kSourceName = "CpMgmt/CmdPro/AdBbuCp";
}  // namespace bbucp
