// The parsed configuration display (-CfgDsply, -CfgFlashTierDsply): the command id and one
// adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class CfgDsplyParsedObject : public ParsedObject {
public:
    CfgDsplyParsedObject(u16 commandId, u8 adapterNumber);
    ParsedObject* Clone() const override;

protected:
    CfgDsplyParsedObject(const CfgDsplyParsedObject&) = default;
};
