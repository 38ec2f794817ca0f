// Parser of -LDInit, -LDCC and -LDBI: the command word, one operation keyword of the command's
// own anywhere on the line (-Start, -Stop/-Abort, -ShowProg, -ProgDsply, -Suspend, -Resume; for
// -LDBI -Enbl, -Dsbl and -GetSetting instead of -Start), -Full and -Force with any operation,
// -L/-LALL and the adapters. One LdOperationParsedObject per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class LdOperationParser : public LdObjectsParser {
public:
    explicit LdOperationParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word and the one operation of the line: -1 for none or two.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);

private:
    u16 operation_ = 0;
    u8 full_ = 0;
    u8 force_ = 0;
};
