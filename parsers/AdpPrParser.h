// -AdpPR {-Dsbl | -EnblAuto | -EnblMan | -Start | -Stop | -Suspend | -Resume | -Info |
// -SSDPatrolReadEnbl | -SSDPatrolReadDsbl | -SetDelay Val | -setStartTime yyyymmdd hh |
// -maxConcurrentPD Val} -aN|-a0,1,2|-aALL: one option, directly after the command word.
#pragma once
#include <ctime>

#include "cmdtool/Parser.h"

class AdpPrParser : public Parser {
public:
    AdpPrParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnAdpPr(ArrayList<Token*>* tokens, u8 index);

private:
    u16 option_ = 0;
    u16 value_;
    std::tm startTime_{};
};
