#include "parsers/LdOperationParsedObject.h"

LdOperationParsedObject::LdOperationParsedObject(u16 commandId, const ArrayList<u8>& ids, u16 operation, u8 full,
                                                 u8 force, u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), operation_(operation), full_(full), force_(force)
{
}

ParsedObject* LdOperationParsedObject::Clone() const { return new LdOperationParsedObject(*this); }
