// Parser of -PDOffline -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL: one parsed object per
// selected adapter, all sharing the drive list of the line.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdOffLnParser : public PdDriveListParser {
public:
    PdOffLnParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
