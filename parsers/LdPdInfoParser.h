// Parser of -LdPdInfo -aN|-a0,1,2|-aALL: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class LdPdInfoParser : public Parser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    LdPdInfoParser();

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;
};
