#include "parsers/LdInfoParsedObject.h"

LdInfoParsedObject::LdInfoParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 force, u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), force_(force)
{
}

LdInfoParsedObject::LdInfoParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 adapterNumber)
    : LdInfoParsedObject(commandId, ids, 0, adapterNumber)
{
}

ParsedObject* LdInfoParsedObject::Clone() const { return new LdInfoParsedObject(*this); }
