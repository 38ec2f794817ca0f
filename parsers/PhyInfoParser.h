// Parsers of the PHY commands: -PhyInfo -phyM -aN|-a0,1,2|-aALL (one PHY's attached device) and
// -PhyErrorCounters -aN|-a0,1,2|-aALL (the link error counters of every PHY).
#pragma once
#include "cmdtool/Parser.h"

class PhyInfoParser : public Parser {
public:
    PhyInfoParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    // -phy and the number after it.
    int OnPhy(ArrayList<Token*>* tokens, u8 index);

private:
    int phy_ = 0;
};

class PhyErrorCtParser : public Parser {
public:
    PhyErrorCtParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
};
