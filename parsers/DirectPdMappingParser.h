// Parser of -DirectPdMapping -Enbl|-Dsbl|-Dsply -aN|-a0,1,2|-aALL: one PdMappingParsedObject
// per selected adapter.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/Parser.h"

class PdMappingParser : public Parser {
public:
    explicit PdMappingParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandWord(ArrayList<Token*>* tokens, u8 index);
    // -Dsply, -Enbl or -Dsbl: becomes the action.
    int OnAction(ArrayList<Token*>* tokens, u8 index);

private:
    u16 action_ = 0;
};
