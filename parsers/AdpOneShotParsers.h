// Parsers of the one-shot adapter commands -AdpCacheFlush, -AdpShutDown and -AdpFacDefSet, each
// followed only by -aN|-a0,1,2|-aALL: one parsed object per selected adapter.
#pragma once
#include "cmdtool/Parser.h"

class AdpCacheFlushParser : public Parser {
public:
    AdpCacheFlushParser();
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
    // The command word: consumed, and its id becomes the parser's command id.
    int HandleCommand(ArrayList<Token*>* tokens, u8 index);
};

class AdpShutDownParser : public Parser {
public:
    AdpShutDownParser();
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};

class AdpFacDefSetParser : public Parser {
public:
    AdpFacDefSetParser();
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
