#include "parsers/LdDelParsedObject.h"

LdDelParsedObject::LdDelParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 force, u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), force_(force)
{
}

ParsedObject* LdDelParsedObject::Clone() const { return new LdDelParsedObject(*this); }
