// Parser of the performance monitor command:
//   -PerfMon {-start [-interval <1..1440>] [-format csv]} | {-stop} | {-getresults -f <file>} -aN
#pragma once
#include "cmdtool/Parser.h"

class PerfMonParser : public Parser {
public:
    PerfMonParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    // The actions, -interval with its number and -format with "csv".
    int OnOption(ArrayList<Token*>* tokens, u8 index);

private:
    u8 action_ = 0;
    u16 interval_ = 0;  // 0: not given
    u8 csv_ = 0;
};
