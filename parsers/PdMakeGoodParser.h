// Parser of -PDMakeGood -PhysDrv[E0:S0,E1:S1,...] [-Force] -aN|-a0,1,2|-aALL: one parsed object
// per selected adapter, all sharing the drive list of the line; -Force lets a system drive be
// converted.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdMakeGoodParser : public PdDriveListParser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit PdMakeGoodParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    int OnForce(ArrayList<Token*>* tokens, u8 index);

private:
    u8 force_ = 0;
};
