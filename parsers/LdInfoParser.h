// Parser of -LDInfo -Lx|-L0,1,2|-LALL [-force] -aN|-a0,1,2|-aALL and of
// -DiscardPreservedCache with the same options: one parsed object per selected adapter with
// the virtual-drive ids and the force flag. -L or -LALL is required.
#pragma once
#include "cmdtool/Parser.h"

class LdInfoParser : public LdObjectsParser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit LdInfoParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes -force: sets the flag.
    int OnForce(ArrayList<Token*>* tokens, u8 index);

private:
    u8 force_ = 0;
};
