// Parser of -AdpAlILog -aN|-a0,1,2|-aALL: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class AdpAllInOneLogParser : public Parser {
public:
    AdpAllInOneLogParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
