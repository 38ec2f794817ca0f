// Parser of -LDSetPowerPolicy -Default|-Automatic|-None|-Maximum|-MaximumWithoutCaching
// -Lx|-L0,1,2|-Lall and the adapters: one LdPowerPolicyParsedObject per selected adapter. A
// second policy word fails the parse.
#pragma once
#include "cmdtool/Parser.h"

class LdPowerPolicyParser : public LdObjectsParser {
public:
    explicit LdPowerPolicyParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnPolicy(ArrayList<Token*>* tokens, u8 index);

private:
    u16 policy_ = 0;
};
