// The parsed battery command (-AdpBbuCmd) for one adapter: the sub-command and its values (the
// properties file, the gas gauge offset and byte count, the learn schedule option, hour and
// weekday).
#pragma once
#include <array>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class AdpBbuPo : public ParsedObject {
public:
    // Sub-commands.
    static constexpr u8 kStatus = 1;
    static constexpr u8 kCapacity = 2;
    static constexpr u8 kDesign = 3;
    static constexpr u8 kLearn = 4;
    static constexpr u8 kGetProperties = 5;
    static constexpr u8 kSetProperties = 6;
    static constexpr u8 kMfgSleep = 7;
    static constexpr u8 kMfgSeal = 8;
    static constexpr u8 kGasGauge = 9;
    static constexpr u8 kFullReport = 10;
    static constexpr u8 kModes = 11;
    static constexpr u8 kScheduleLearn = 12;

    // Learn schedule options.
    static constexpr u8 kScheduleDisable = 1;
    static constexpr u8 kScheduleInfo = 2;
    static constexpr u8 kScheduleStart = 3;

    static constexpr u8 kNoWeekday = 0xFF;

    // The learn schedule value: a u16 0xFFFF, a u16 0, the hour (0xFF until one is given) and
    // three zero bytes.
    using Schedule = std::array<u8, 8>;
    static constexpr std::size_t kScheduleHour = 4;
    static constexpr Schedule kNoSchedule = {0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0};

    AdpBbuPo(u16 commandId, const string& fileName, u8 subCommand, u32 offset, u32 numBytes, u8 adapterNumber,
             u8 scheduleOption, const Schedule& schedule, u8 weekday = kNoWeekday);
    ParsedObject* Clone() const override;

    u8 GetSubCommand() const { return subCommand_; }
    bool OnlyReads() const override
    {
        return subCommand_ == kStatus || subCommand_ == kCapacity || subCommand_ == kDesign ||
               subCommand_ == kGetProperties || subCommand_ == kGasGauge || subCommand_ == kFullReport ||
               subCommand_ == kModes;
    }
    u32 GetOffset() const { return offset_; }
    u32 GetNumBytes() const { return numBytes_; }
    u8 GetScheduleOption() const { return scheduleOption_; }
    const Schedule& GetSchedule() const { return schedule_; }
    u8 GetScheduleHour() const { return schedule_[kScheduleHour]; }
    // 0 Sunday to 6 Saturday, kNoWeekday when none was given.
    u8 GetWeekday() const { return weekday_; }
    string GetFileName() const { return fileName_; }

private:
    u8 weekday_;
    string fileName_;
    u8 subCommand_;
    u32 offset_;
    u32 numBytes_;
    u8 scheduleOption_;
    Schedule schedule_;
};
