// The parsed drive list command (-PDList), also made for -GetPreservedCacheList: the command
// id and one adapter (252 for all adapters).
#pragma once
#include "cmdtool/ParsedObject.h"

class PdListParsedObject : public ParsedObject {
public:
    PdListParsedObject(u16 commandId, u8 adapterNumber);
    ParsedObject* Clone() const override;

protected:
    PdListParsedObject(const PdListParsedObject&) = default;
};
