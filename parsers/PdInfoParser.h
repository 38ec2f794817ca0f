// Parser of -PDInfo -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL: one parsed object per selected
// adapter, all sharing the one drive list of the line.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdInfoParser : public PdDriveListParser {
public:
    explicit PdInfoParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    int OnPdInfo(ArrayList<Token*>* tokens, u8 index);
};
