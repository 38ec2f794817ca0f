// Parser of -CfgDsply and -CfgFlashTierDsply, each followed by -aN|-a0,1,2|-aALL: one parsed
// object per selected adapter with the parser's command id.
#pragma once
#include "cmdtool/Parser.h"

class CfgDsplyParser : public Parser {
public:
    explicit CfgDsplyParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes either command word: -1 for any other token.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
};
