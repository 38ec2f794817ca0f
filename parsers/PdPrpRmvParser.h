// Parser of -PdPrpRmv [-UnDo] -PhysDrv[E0:S0,...] -aN|-a0,1,2|-aALL: one parsed object per
// selected adapter, all sharing the drive list of the line.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdPrpRmvParser : public PdDriveListParser {
public:
    explicit PdPrpRmvParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    u8 undo_ = 0;
};
