// Parser of -ShowSummary [-f filename] -aN|-a0,1,2|-aALL: one parsed object per selected
// adapter, each naming the file when -f follows the command word.
#pragma once
#include "cmdtool/Parser.h"

class ShowSummaryParser : public LdObjectsParser {
public:
    ShowSummaryParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word and looks at the word after it: -f there sends the report to a
    // file. -1 unless the token is -ShowSummary and another follows it.
    int OnShowSummary(ArrayList<Token*>* tokens, u8 index);

private:
    u8 fileOutput_ = 0;
};
