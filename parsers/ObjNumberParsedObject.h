// The parsed object count commands (-LDGetNum, -PDGetNum): the command id and one adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class ObjNumberParsedObject : public ParsedObject {
public:
    ObjNumberParsedObject(u16 commandId, u8 adapterNumber);
    ParsedObject* Clone() const override;

protected:
    ObjNumberParsedObject(const ObjNumberParsedObject&) = default;
};
