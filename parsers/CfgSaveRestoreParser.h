// Parser of -CfgSave -f filename -aN and -CfgRestore -f filename -aN: one CfgSaveRestorePo per
// selected adapter.
#pragma once
#include <string>

#include "cmdtool/Parser.h"

class CfgSaveRestoreParser : public Parser {
public:
    explicit CfgSaveRestoreParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    int OnFileName(ArrayList<Token*>* tokens, u8 index);

private:
    std::string fileName_;
};
