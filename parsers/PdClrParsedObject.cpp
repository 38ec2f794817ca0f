#include "parsers/PdClrParsedObject.h"

PdClrParsedObject::PdClrParsedObject(u16 commandId, u8 action, const SharedDriveList& drives, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), action_(action), drives_(drives)
{
}

ParsedObject* PdClrParsedObject::Clone() const { return new PdClrParsedObject(*this); }
