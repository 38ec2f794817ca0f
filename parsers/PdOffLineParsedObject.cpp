#include "parsers/PdOffLineParsedObject.h"

PdOffLineParsedObject::PdOffLineParsedObject(u16 commandId, const SharedDriveList& drives, u8 force, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), force_(force), drives_(drives)
{
}

ParsedObject* PdOffLineParsedObject::Clone() const { return new PdOffLineParsedObject(*this); }
