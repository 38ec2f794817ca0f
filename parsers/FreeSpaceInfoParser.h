// Parser of -CfgFreeSpaceinfo -aN|-a0,1,2|-aALL: one FreeSpaceInfoParsedObject per selected
// adapter.
#pragma once
#include "cmdtool/Parser.h"

class FreeSpaceInfoParser : public Parser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit FreeSpaceInfoParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;
};
