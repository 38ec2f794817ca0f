// -AdpCcSched -Dsbl|-Info|{-ModeConc|-ModeSeq [-ExcludeLD -LN|-L0,1,2] [-SetStartTime yyyymmdd hh]
// [-SetDelay val]} | -SetStartTime yyyymmdd hh | -SetDelay val -aN|-a0,1,2|-aALL.
#pragma once
#include <ctime>

#include "cmdtool/Parser.h"

class AdpCCSchedParser : public LdObjectsParser {
public:
    AdpCCSchedParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnAdpCcSched(ArrayList<Token*>* tokens, u8 index);
    int OnMode(ArrayList<Token*>* tokens, u8 index);
    int OnSetStartTime(ArrayList<Token*>* tokens, u8 index);
    int OnSetDelay(ArrayList<Token*>* tokens, u8 index);
    int OnExcludeLd(ArrayList<Token*>* tokens, u8 index);

private:
    u32 operation_;
    u32 mode_;
    u32 delay_;
    std::tm startTime_{};
};
