#include "parsers/LdExpansionParsedObject.h"

LdExpansionParsedObject::LdExpansionParsedObject(u16 commandId, u32 percent, u8 dontExpandArray,
                                                 const ArrayList<u8>& ids, u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), percent_(percent), dontExpandArray_(dontExpandArray)
{
}

ParsedObject* LdExpansionParsedObject::Clone() const { return new LdExpansionParsedObject(*this); }
