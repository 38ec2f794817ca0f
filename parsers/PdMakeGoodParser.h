// Parser of -PDMakeGood -PhysDrv[E0:S0,E1:S1,...] [-Force] -aN|-a0,1,2|-aALL: one parsed object
// per selected adapter, all sharing the drive list of the line; -Force lets a system drive be
// converted.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdMakeGoodParser : public PdDriveListParser {
public:
    explicit PdMakeGoodParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    u8 force_ = 0;
};
