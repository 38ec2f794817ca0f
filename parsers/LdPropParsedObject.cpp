#include "parsers/LdPropParsedObject.h"

LdPropParsedObject::LdPropParsedObject(u16 commandId, const ArrayList<u8>& ids, u16 property, u8 immediate,
                                       const char* name, u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), property_(property), immediate_(immediate),
      name_(name != nullptr ? name : "")
{
}

ParsedObject* LdPropParsedObject::Clone() const { return new LdPropParsedObject(*this); }
