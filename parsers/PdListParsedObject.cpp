#include "parsers/PdListParsedObject.h"

PdListParsedObject::PdListParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}

ParsedObject* PdListParsedObject::Clone() const { return new PdListParsedObject(*this); }
