// Parser of -CfgLdAdd -rX[E0:S0,...] [policies] [-szXXX ...] [-strpszM] [-Hsp[E0:S0,...]]
// [-AfterLdX] [-Force] ... -aN and of -CfgEachDskRaid0 [policies] ... -aN|-a0,1,2|-aALL: one
// CfgAddParsedObject per selected adapter, carrying the command id it was made for.
#pragma once
#include "parsers/CfgParser.h"

class CfgAddParser : public CfgParser {
public:
    explicit CfgAddParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnLdAddToken(ArrayList<Token*>* tokens, u8 index);
    int OnEachDiskToken(ArrayList<Token*>* tokens, u8 index);
    // -Hsp: the next bracketed list is the hot-spare list.
    int OnHsp(ArrayList<Token*>* tokens, u8 index);
    // -Force: sets the flag; a bracketed list written after it is taken as the hot spares.
    int OnForce(ArrayList<Token*>* tokens, u8 index);

private:
    u8 force_ = 0;
    u8 enblPi_ = 0;
};
