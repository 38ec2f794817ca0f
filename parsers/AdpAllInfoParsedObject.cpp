#include "parsers/AdpAllInfoParsedObject.h"

AdpAllInfoParsedObject::AdpAllInfoParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber)
{
}

ParsedObject* AdpAllInfoParsedObject::Clone() const { return new AdpAllInfoParsedObject(*this); }
