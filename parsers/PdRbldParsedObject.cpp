#include "parsers/PdRbldParsedObject.h"

PdRebuildParsedObject::PdRebuildParsedObject(u16 commandId, const PdIdList& drives, u16 action, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), drives_(drives), action_(action)
{
}

ParsedObject* PdRebuildParsedObject::Clone() const { return new PdRebuildParsedObject(*this); }
