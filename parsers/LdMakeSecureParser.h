// -LDMakeSecure -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL: secures the named virtual drives with the
// controller's drive-security key.
#pragma once
#include "cmdtool/ParsedObject.h"
#include "cmdtool/Parser.h"

class LdMakeSecureParsedObject : public LdParsedObject {
public:
    using LdParsedObject::LdParsedObject;
    ParsedObject* Clone() const override { return new LdMakeSecureParsedObject(*this); }
};

class LdMakeSecureParser : public LdObjectsParser {
public:
    explicit LdMakeSecureParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};
