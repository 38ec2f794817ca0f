// Parser of -PDList -aN|-a0,1,2|-aALL and of -GetPreservedCacheList with the same options: one
// parsed object per selected adapter, carrying the command id the parser was created for.
#pragma once
#include "cmdtool/Parser.h"

class PdListParser : public Parser {
public:
    explicit PdListParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
