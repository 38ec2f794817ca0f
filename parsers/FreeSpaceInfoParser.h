// Parser of -CfgFreeSpaceinfo -aN|-a0,1,2|-aALL: one FreeSpaceInfoParsedObject per selected
// adapter.
#pragma once
#include "cmdtool/Parser.h"

class FreeSpaceInfoParser : public Parser {
public:
    explicit FreeSpaceInfoParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
