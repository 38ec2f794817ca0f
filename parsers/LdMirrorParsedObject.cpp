#include "parsers/LdMirrorParsedObject.h"

LdMirrorParsedObject::LdMirrorParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 dataSource, u8 force,
                                           u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), force_(force), dataSource_(dataSource)
{
}

ParsedObject* LdMirrorParsedObject::Clone() const { return new LdMirrorParsedObject(*this); }
