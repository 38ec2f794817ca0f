// Parsers of -getLdExpansionInfo -Lx|-L0,1,2|-Lall and -LdExpansion -pN [-dontExpandArray]
// -Lx|-L0,1,2|-Lall with the adapters: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class LdExpansionInfoParser : public LdObjectsParser {
public:
    explicit LdExpansionInfoParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};

class LdExpansionParser : public LdObjectsParser {
public:
    explicit LdExpansionParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // The command word, -p and its number, and -dontExpandArray when it comes next.
    int OnExpansionCommand(ArrayList<Token*>* tokens, u8 index);

private:
    u32 percent_ = 0;
    u8 dontExpandArray_ = 0;
};
