// -AdpAutoRbld -Enbl|-Dsbl|-Dsply -aN|-a0,1,2|-aALL: the operation word may stand anywhere after
// the command word; two of them fail the parse.
#pragma once
#include "cmdtool/Parser.h"

class AdpAutoRbldParser : public Parser {
public:
    AdpAutoRbldParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
    int OnCommand(ArrayList<Token*>* tokens, u8 index);

private:
    u16 operation_ = 0;
};
