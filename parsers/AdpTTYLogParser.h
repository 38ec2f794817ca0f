// Parser of -FwTermLog -BBUoff|BBUoffTemp|BBUon|BBUGet|Dsply|Clear -aN|-a0,1,2|-aALL: one parsed
// object per selected adapter with the option given.
#pragma once
#include "cmdtool/Parser.h"
#include "parsers/AdpTTYLogPo.h"

class AdpTTYLogParser : public Parser {
public:
    AdpTTYLogParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    int OnOption(ArrayList<Token*>* tokens, u8 index);
    int OnDsply(ArrayList<Token*>* tokens, u8 index);

    u8 option_ = AdpTTYLogPo::kNone;
};
