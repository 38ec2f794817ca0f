#include "parsers/AdpCountParsedObject.h"

AdpCountParsedObject::AdpCountParsedObject(u16 commandId) : ParsedObject(commandId, kNoAdapter) {}

ParsedObject* AdpCountParsedObject::Clone() const { return nullptr; }
