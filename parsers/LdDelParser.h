// Parser of -CfgLdDel -LX|-L0,2,5...|-LALL [-Force] -aN|-a0,1,2|-aALL and of -CfgFlashTierDel
// with the same options: one parsed object per selected adapter. A line without -L or -LALL is
// accepted and deletes nothing.
#pragma once
#include "cmdtool/Parser.h"

class LdDelParser : public LdObjectsParser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit LdDelParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    int OnForce(ArrayList<Token*>* tokens, u8 index);

private:
    u8 force_ = 0;
};
