// Parser of -LDInfo -Lx|-L0,1,2|-LALL [-force] -aN|-a0,1,2|-aALL and of
// -DiscardPreservedCache with the same options: one parsed object per selected adapter with
// the virtual-drive ids and the force flag. -L or -LALL is required.
#pragma once
#include "cmdtool/Parser.h"

class LdInfoParser : public LdObjectsParser {
public:
    explicit LdInfoParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    u8 force_ = 0;
};
