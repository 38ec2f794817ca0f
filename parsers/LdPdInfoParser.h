// Parser of -LdPdInfo -aN|-a0,1,2|-aALL: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class LdPdInfoParser : public Parser {
public:
    LdPdInfoParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
