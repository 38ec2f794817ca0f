// Parser of -PdPrpRmv [-UnDo] -PhysDrv[E0:S0,...] -aN|-a0,1,2|-aALL: one parsed object per
// selected adapter, all sharing the drive list of the line.
#pragma once
#include "parsers/PdDriveListParser.h"

class PdPrpRmvParser : public PdDriveListParser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit PdPrpRmvParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    int OnUndo(ArrayList<Token*>* tokens, u8 index);

private:
    u8 undo_ = 0;
};
