// Parser of -CfgClr [-Force] -aN|-a0,1,2|-aALL: one AdpCfgClrParsedObject per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class CfgClrParser : public Parser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit CfgClrParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    int OnForce(ArrayList<Token*>* tokens, u8 index);

private:
    u8 force_ = 0;
};
