// The parsed virtual-drive member report (-LdPdInfo): the command id and one adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class LdPdInfoParsedObject : public ParsedObject {
public:
    LdPdInfoParsedObject(u16 commandId, u8 adapterNumber);
    ParsedObject* Clone() const override;

protected:
    LdPdInfoParsedObject(const LdPdInfoParsedObject&) = default;
};
