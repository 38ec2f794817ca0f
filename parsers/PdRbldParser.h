// Parser of the rebuild command:
//   -PDRbld -Start|-Stop|-Suspend|-Resume|-ShowProg|-ProgDsply -PhysDrv[E0:S0,...] -aN|-a0,1,2|-aALL
// Exactly one action word; one PdRebuildParsedObject per selected adapter.
#pragma once
#include "ZepUtil/Types.h"
#include "parsers/PdIdListParser.h"

class PdRbldParser : public PdIdListParser {
public:
    explicit PdRbldParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // The command word: takes it and then the one action word among the tokens after it
    // (other tokens are left to their handlers); -1 with no action word or a second one.
    int OnPdRbld(ArrayList<Token*>* tokens, u8 index);

    // True for the token ids of the action words shared by the rebuild and copyback commands.
    static bool IsActionWord(u16 tokenId);
    // The command word at the index (it must be `commandToken`) and the one action word among
    // the tokens after it, both taken; -1 with no action word or a second one.
    static int TakeCommandAndAction(ArrayList<Token*>* tokens, u8 index, u16 commandToken, u16& action);

private:
    u16 action_ = 0;
};
