#include "parsers/AdpGetPciInfoParsedObject.h"

AdpGetPciInfoParsedObject::AdpGetPciInfoParsedObject(u16 commandId, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber)
{
}

ParsedObject* AdpGetPciInfoParsedObject::Clone() const { return new AdpGetPciInfoParsedObject(*this); }
