// The parsed enclosure commands (-EncInfo, -EncStatus): the command id says which, for one adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class EncInfoParsedObject : public ParsedObject {
public:
    EncInfoParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}

    ParsedObject* Clone() const override { return new EncInfoParsedObject(*this); }

private:
    EncInfoParsedObject(const EncInfoParsedObject&) = default;
};
