#include "parsers/LdPdInfoParsedObject.h"

LdPdInfoParsedObject::LdPdInfoParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}

ParsedObject* LdPdInfoParsedObject::Clone() const { return new LdPdInfoParsedObject(*this); }
