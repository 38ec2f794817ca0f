// Parser of -LDGetNum and -PDGetNum, each followed only by -aN|-a0,1,2|-aALL: one parsed object
// per selected adapter with the parser's command id.
#pragma once
#include "cmdtool/Parser.h"

class ObjNumberParser : public Parser {
public:
    explicit ObjNumberParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes either command word: -1 for any other token.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
};
