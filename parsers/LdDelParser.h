// Parser of -CfgLdDel -LX|-L0,2,5...|-LALL [-Force] -aN|-a0,1,2|-aALL and of -CfgFlashTierDel
// with the same options: one parsed object per selected adapter. A line without -L or -LALL is
// accepted and deletes nothing.
#pragma once
#include "cmdtool/Parser.h"

class LdDelParser : public LdObjectsParser {
public:
    explicit LdDelParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    u8 force_ = 0;
};
