#include "parsers/ObjNumberParsedObject.h"

ObjNumberParsedObject::ObjNumberParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber)
{
}

ParsedObject* ObjNumberParsedObject::Clone() const { return new ObjNumberParsedObject(*this); }
