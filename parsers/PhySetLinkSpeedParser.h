// Parser of -PhySetLinkSpeed -phyM -speed -aN|-a0,1,2|-aALL (the scanner gives -phyM as the PHY
// word and a number, -speed as a number).
#pragma once
#include "cmdtool/Parser.h"

class PhySetLinkSpeedParser : public Parser {
public:
    PhySetLinkSpeedParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommand(ArrayList<Token*>* tokens, u8 index);
    // The PHY word, then the PHY number and the speed code, each 0-255.
    int OnPhy(ArrayList<Token*>* tokens, u8 index);

private:
    int phy_ = -1;
    int speed_ = -1;
};
