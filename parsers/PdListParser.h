// Parser of -PDList -aN|-a0,1,2|-aALL and of -GetPreservedCacheList with the same options: one
// parsed object per selected adapter, carrying the command id the parser was created for.
#pragma once
#include "cmdtool/Parser.h"

class PdListParser : public Parser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit PdListParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;
};
