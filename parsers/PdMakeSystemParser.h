// Parser of -PDMakeJBOD -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL: one parsed object per
// selected adapter, all sharing the drive list of the line.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdMakeSystemParser : public PdDriveListParser {
public:
    explicit PdMakeSystemParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
