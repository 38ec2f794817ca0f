// Parser of -AdpCount: exactly one parsed object, whatever adapter options are given.
#pragma once
#include "cmdtool/Parser.h"

class AdpCountParser : public Parser {
public:
    explicit AdpCountParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word: -1 unless the token is -AdpCount.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
};
