// Parser of -AdpDiag [seconds] -aN|-a0,1,2|-aALL: the duration (20 seconds when none is given)
// and one AdpDiagParsedObject per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class AdpDiagParser : public Parser {
public:
    static constexpr u32 kDefaultSeconds = 20;

    AdpDiagParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // The command word and the number after it, when there is one.
    int OnCommand(ArrayList<Token*>* tokens, u8 index);

private:
    u32 seconds_ = kDefaultSeconds;
};
