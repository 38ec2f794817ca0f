// Parser of -CfgClr [-Force] -aN|-a0,1,2|-aALL: one AdpCfgClrParsedObject per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class CfgClrParser : public Parser {
public:
    explicit CfgClrParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    u8 force_ = 0;
};
