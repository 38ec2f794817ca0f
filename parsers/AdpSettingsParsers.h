// Parsers of the settings-file commands: -AdpSettings Read|Write -f FileName -aN and
// -AdpSetVerify -f fileName -aN|-a0,1,2|-aALL.
#pragma once
#include "cmdtool/Parser.h"

class AdpSettingsParser : public Parser {
public:
    AdpSettingsParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // -Read or -Write: sets the access flag (0 read, 1 write).
    int OnAccessOption(ArrayList<Token*>* tokens, u8 index);

private:
    u8 isWrite_ = 0;
};

class AdpVerifyParser : public Parser {
public:
    AdpVerifyParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
