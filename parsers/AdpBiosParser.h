// -AdpBIOS -Enbl|-Dsbl|-SOE|-BE|-EnblAutoSelectBootLd|-DsblAutoSelectBootLd|-Dsply
// -aN|-a0,1,2|-aALL: one option anywhere after the command word, or none.
#pragma once
#include "cmdtool/Parser.h"

class AdpBiosParser : public Parser {
public:
    AdpBiosParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
    int OnBiosCommand(ArrayList<Token*>* tokens, u8 index);

private:
    u16 operation_ = 0;
};
