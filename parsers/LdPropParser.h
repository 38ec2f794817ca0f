// Parser of -LDSetProp and -LDGetProp: the command word directly followed by one property
// keyword (setting words for -LDSetProp, query words for -LDGetProp; -Name and -DsblPI, which
// have handlers of their own, for both, and may stand anywhere after it), then -Immediate, -Force
// and -L/-LALL in any order, and the adapters. One LdPropParsedObject per selected adapter.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/Parser.h"

class LdPropParser : public LdObjectsParser {
public:
    static constexpr u16 kNoProperty = 0xFFFF;

    explicit LdPropParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Handlers: 0 when the tokens were taken, -1 when the parse fails.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    int OnName(ArrayList<Token*>* tokens, u8 index);
    int OnDsblPi(ArrayList<Token*>* tokens, u8 index);

private:
    u16 property_ = kNoProperty;
    u8 immediate_ = 0;
    u8 force_ = 0;  // accepted, without effect
    string name_;
};
