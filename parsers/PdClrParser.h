// Parser of the clear command:
//   -PDClear -Start|-Stop|-ShowProg|-ProgDsply -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL
// One PdClrParsedObject per selected adapter, all over the one drive list of the line.
#pragma once
#include "ZepUtil/Types.h"
#include "parsers/PdDriveListParser.h"

class PdClearParser : public PdDriveListParser {
public:
    explicit PdClearParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // One handler for the four action words; the last one given would win.
    int OnAction(ArrayList<Token*>* tokens, u8 index);

private:
    // None until an action word is taken; a line without one does not parse.
    static constexpr u8 kNoAction = 0xFF;
    u8 action_ = kNoAction;
};
