// Parser of -CfgForeign -Scan | -Dsply [x] | -Preview [x] | -Import [x] | -Clear [x]
// [-SecurityKey key | -Passphrase phrase] -aN|-a0,1,2|-aALL: one ForeignCfgParsedObject per
// selected adapter.
#pragma once
#include <string>

#include "cmdtool/Parser.h"
#include "parsers/ForeignCfgParsedObject.h"

class ForeignCfgParser : public Parser {
public:
    explicit ForeignCfgParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnOperation(ArrayList<Token*>* tokens, u8 index);
    int OnSecurityKey(ArrayList<Token*>* tokens, u8 index);

private:
    u16 operation_ = 0;
    u8 cfgIndex_ = ForeignCfgParsedObject::kAllCfgs;
    u8 keyType_ = ForeignCfgParsedObject::kNoKey;
    std::string key_;
};
