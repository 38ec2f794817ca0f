#include "parsers/PdPrpRmvParsedObject.h"

PdPrpRmvParsedObject::PdPrpRmvParsedObject(u16 commandId, const SharedDriveList& drives, u8 undo, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), undo_(undo), drives_(drives)
{
}

ParsedObject* PdPrpRmvParsedObject::Clone() const { return new PdPrpRmvParsedObject(*this); }
