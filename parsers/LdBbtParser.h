// Parsers of -GetBbtEntries and -LDBBMClr, each -Lx|-L0,1,2|-Lall and the adapters: one parsed
// object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class LdBbtEntriesParser : public LdObjectsParser {
public:
    explicit LdBbtEntriesParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};

class LdBBMClearParser : public LdObjectsParser {
public:
    explicit LdBBMClearParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
