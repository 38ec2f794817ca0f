// Parser of -EncInfo and -EncStatus -aN|-a0,1,2|-aALL: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class EncInfoParser : public Parser {
public:
    EncInfoParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word: -1 unless the token is -EncInfo or -EncStatus.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
};
