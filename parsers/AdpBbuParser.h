// Parser of -AdpBbuCmd [sub-command] -aN|-a0,1,2|-aALL: the sub-command (the full report when none
// is given) and its values, one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"
#include "parsers/AdpBbuPo.h"

class AdpBbuParser : public Parser {
public:
    AdpBbuParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnSubCommand(ArrayList<Token*>* tokens, u8 index);
    int OnLearnStartTime(ArrayList<Token*>* tokens, u8 index);
    int OnOffset(ArrayList<Token*>* tokens, u8 index);
    int OnNumBytes(ArrayList<Token*>* tokens, u8 index);
    int OnFileName(ArrayList<Token*>* tokens, u8 index);

private:
    string fileName_;
    u8 subCommand_ = 0;
    u8 scheduleOption_ = 0;
    AdpBbuPo::Schedule schedule_ = AdpBbuPo::kNoSchedule;
    u8 weekday_ = AdpBbuPo::kNoWeekday;
    u32 offset_ = 0;
    u32 numBytes_ = 0;
};
