// Parser of -AdpGetPciInfo -aN|-a0,1,2|-aALL: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class AdpGetPciInfoParser : public Parser {
public:
    AdpGetPciInfoParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word: -1 unless the token is -AdpGetPciInfo.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
};
