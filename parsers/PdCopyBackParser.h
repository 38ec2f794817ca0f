// Parser of the copyback command:
//   -PDCpyBk -Start -PhysDrv[E0:S0,E1:S1] -aN|-a0,1,2|-aALL
//   -PDCpyBk -Stop|-Suspend|-Resume|-ShowProg|-ProgDsply -PhysDrv[E0:S0] -aN|-a0,1,2|-aALL
// Exactly one action word; the number of drives is the processor's check. One
// PdCopyBackParsedObject per selected adapter.
#pragma once
#include "ZepUtil/Types.h"
#include "parsers/PdIdListParser.h"

class PdCopyBackParser : public PdIdListParser {
public:
    explicit PdCopyBackParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // The command word: takes it and the one action word after it; -1 with none or two.
    int OnPdCopyBack(ArrayList<Token*>* tokens, u8 index);

private:
    u16 action_ = 0;
};
