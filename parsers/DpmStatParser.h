// Parser of the drive performance statistics command:
//   -DpmStat -Dsply {lct | hist | ra | ext} [-PhysDrv[E0:S0]] -aN|-a0,1,2|-aALL
//   -DpmStat -Clear {lct | hist | ra | ext} -aN|-a0,1,2|-aALL
// The drive list names at most one drive; a line without an action or a kind fails.
#pragma once
#include "parsers/PdDriveListParser.h"

class DpmStatParser : public PdDriveListParser {
public:
    explicit DpmStatParser(u16 commandId);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    int OnAction(ArrayList<Token*>* tokens, u8 index);
    int OnKind(ArrayList<Token*>* tokens, u8 index);

private:
    u16 action_ = 0;  // TOKEN_DSPLY or TOKEN_CLEAR
    u16 kind_ = 0;    // TOKEN_LCT, TOKEN_HIST, TOKEN_RA or TOKEN_EXT
};
