#include "parsers/PdCopyBackParsedObject.h"

PdCopyBackParsedObject::PdCopyBackParsedObject(u16 commandId, const PdIdList& drives, u16 action, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), drives_(drives), action_(action)
{
}

ParsedObject* PdCopyBackParsedObject::Clone() const { return new PdCopyBackParsedObject(*this); }
