// The parsed adapter count command. It names no adapter, and its Clone answers null: the
// dispatcher counts the controllers itself.
#pragma once
#include "cmdtool/ParsedObject.h"

class AdpCountParsedObject : public ParsedObject {
public:
    explicit AdpCountParsedObject(u16 commandId);
    ParsedObject* Clone() const override;
};
