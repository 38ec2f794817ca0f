// Parser of -Version [-Ctrl|-Cli|-uEfi|-Driver|-Pd] -aN|-a0,1,2|-aALL: one parsed object per
// selected adapter with the component asked for.
#pragma once
#include "cmdtool/Parser.h"

class CliVersionParser : public Parser {
public:
    CliVersionParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes a component option: -1 unless the token is one.
    int OnComponent(ArrayList<Token*>* tokens, u8 index);

private:
    u8 component_ = 0;
};
